// SPDX-License-Identifier: MIT
#include "ui/about/frm_about.h"

#include <QDialog>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QString>
#include <QTimer>

#include "ui/common/centre_on_screen.h"
#include "ui/common/design_font.h"
#include "ui/common/twips.h"
#include "ui/design/about_window.h"

namespace zembra {

namespace {

using namespace design::about;

// The picture is a resource of the window, as the design has it.
const char* const kPicture = ":/about/cheese.jpg";

// A picture box: the picture at its natural size from the top-left corner of
// the area inside the sunken border, cut off where it does not fit.
class PictureBox final : public QFrame {
public:
    explicit PictureBox(QWidget* parent)
        : QFrame(parent), m_picture(QString::fromLatin1(kPicture)) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(kPictureBorder);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        const QRect inner = contentsRect();
        painter.setClipRect(inner);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(
            QRect(inner.topLeft(), TwipsToPixels(kPictureWidth, kPictureHeight, *this)), m_picture);
        painter.setClipping(false);
        drawFrame(&painter);
    }

private:
    QPixmap m_picture;
};

}  // namespace

// The window and its controls as designed; built on every opening.
class AboutWindow final : public QDialog {
public:
    explicit AboutWindow(frmAbout& form)
        : QDialog(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
          m_form(form) {
        setObjectName(QString::fromLatin1(kFormName));
        setWindowTitle(QString::fromStdString(DesignCaption()));
        setFixedSize(TwipsToPixels(kClientWidth, kClientHeight, *this));

        Picture1 = new PictureBox(this);
        Picture1->setObjectName(QStringLiteral("Picture1"));
        Picture1->setGeometry(QRect(QPoint(0, 0), size()));

        QLabel** labels[] = {&lblOpening, &lblBy,      &lblCompany,
                             &lblTitle,   &lblVersion, &lblCopyright};
        for (std::size_t i = 0; i < kLabels.size(); ++i) {
            const PictureLabel& design = kLabels[i];
            auto* label = new QLabel(Picture1);
            label->setObjectName(QString::fromLatin1(design.name));
            label->setTextFormat(Qt::PlainText);
            label->setText(QString::fromUtf8(design.caption));
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            label->setFont(DesignFont(design.points, QFont::Bold));
            // The picture is light in every theme, so the text stays dark on
            // it; lblTitle is black by design, and so are the others in
            // the default theme.
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, Qt::black);
            label->setPalette(palette);
            label->setGeometry(TwipsToPixels({0, design.top, kInnerWidth, design.height}, *label)
                                   .translated(kPictureBorder, kPictureBorder));
            *labels[i] = label;
        }
        Timer1 = new QTimer(Picture1);
        Timer1->setObjectName(QStringLiteral("Timer1"));
        Timer2 = new QTimer(Picture1);
        Timer2->setObjectName(QStringLiteral("Timer2"));
        // Coarse timers may fire up to 5 % early; the window must stay its
        // full 7.5 seconds.
        Timer1->setTimerType(Qt::PreciseTimer);
        Timer1->setInterval(kTimer1Interval);
        Timer2->setInterval(kTimer2Interval);
        connect(Timer1, &QTimer::timeout, this, [this] { m_form.Timer1_Timer(); });
        Timer1->start();
        Timer2->start();

        CentreOnScreen(*this);
    }

    // Escape, the close button and the window manager's close all end up
    // here; they close the window exactly as Timer1 does.
    void reject() override {
        if (!m_unloading) {
            m_form.Timer1_Timer();
        }
    }

    void Unload() {
        m_unloading = true;
        done(QDialog::Rejected);
    }

    QFrame* Picture1 = nullptr;
    QLabel* lblOpening = nullptr;
    QLabel* lblBy = nullptr;
    QLabel* lblCompany = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblCopyright = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;

private:
    frmAbout& m_form;
    bool m_unloading = false;
};

frmAbout::frmAbout() = default;
frmAbout::~frmAbout() = default;

void frmAbout::Show() {
    if (m_window) {
        return;
    }
    m_window = std::make_unique<AboutWindow>(*this);
    Form_Load();
    m_window->exec();
    m_window.reset();
}

QDialog* frmAbout::window() const { return m_window.get(); }

void frmAbout::Form_Load() {
    AboutWindow& w = *m_window;
    const LoadedTexts texts = FormLoadTexts();
    w.setWindowTitle(QString::fromStdString(texts.caption));
    w.lblOpening->setText(QString::fromStdString(texts.lblOpening));
    w.lblBy->setText(QString::fromStdString(texts.lblBy));
    w.lblTitle->setText(QString::fromStdString(texts.lblTitle));
    w.lblVersion->setText(QString::fromStdString(texts.lblVersion));
    w.lblCopyright->setText(QString::fromStdString(texts.lblCopyright));
}

void frmAbout::Timer1_Timer() {
    if (!m_window) {
        return;
    }
    m_window->Timer1->stop();
    m_window->Timer2->stop();
    Unload();
}

void frmAbout::Unload() { m_window->Unload(); }

frmAbout& AboutForm() {
    static frmAbout form;
    return form;
}

}  // namespace zembra
