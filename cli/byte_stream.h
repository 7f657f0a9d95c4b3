// SPDX-License-Identifier: MIT
// The batch converter's input and output as plain bytes: sources read in
// chunks from a file descriptor or from memory, sinks write to a file
// descriptor or into memory, and OutputBuffer collects the converted text so
// that a line costs a copy, not a system call.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

namespace zembra::cli {

// Thrown by sources and sinks, so that a failing input ends only that input
// and a failing output the whole run.
struct ReadError : std::system_error {
    using std::system_error::system_error;
};
struct WriteError : std::system_error {
    using std::system_error::system_error;
};

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Up to `capacity` bytes into `buffer`; 0 at the end of the input.
    virtual std::size_t Read(char* buffer, std::size_t capacity) = 0;
};

class FdSource final : public ByteSource {
public:
    explicit FdSource(int fd) : m_fd(fd) {}
    std::size_t Read(char* buffer, std::size_t capacity) override;

private:
    int m_fd;
};

// Hands its text out in pieces of at most `piece` bytes, so that tests can
// cut the input anywhere.
class StringSource final : public ByteSource {
public:
    explicit StringSource(std::string text, std::size_t piece = std::string::npos)
        : m_text(std::move(text)), m_piece(piece) {}
    std::size_t Read(char* buffer, std::size_t capacity) override;

private:
    std::string m_text;
    std::size_t m_piece;
    std::size_t m_position = 0;
};

class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual void Write(std::string_view bytes) = 0;
};

class FdSink final : public ByteSink {
public:
    explicit FdSink(int fd) : m_fd(fd) {}
    void Write(std::string_view bytes) override;

private:
    int m_fd;
};

class StringSink final : public ByteSink {
public:
    void Write(std::string_view bytes) override { text.append(bytes); }
    std::string text;
};

// Opens a file for reading; throws ReadError.
class FileSource final : public ByteSource {
public:
    explicit FileSource(const std::string& path);
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;
    std::size_t Read(char* buffer, std::size_t capacity) override;

private:
    int m_fd;
};

// Call Flush() at the end: what is still buffered when it goes is dropped,
// so that a run that failed halfway writes nothing more.
class OutputBuffer {
public:
    // With `flushLines`, every finished line goes out at once (for a terminal,
    // where output and messages should stay in order).
    explicit OutputBuffer(ByteSink& sink, bool flushLines = false);
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    void Append(std::string_view bytes) {
        if (bytes.size() > kCapacity - m_size) {
            Flush();
            if (bytes.size() > kCapacity) {
                m_sink.Write(bytes);
                return;
            }
        }
        std::memcpy(m_data.get() + m_size, bytes.data(), bytes.size());
        m_size += bytes.size();
    }
    void Append(char byte) { Append(std::string_view(&byte, 1)); }

    // For the line converter's fixed-size copies: `count` writable bytes, of
    // which Commit then keeps the first `used`.
    char* Reserve(std::size_t count) {
        if (count > kCapacity - m_size) {
            Flush();
        }
        return m_data.get() + m_size;
    }
    void Commit(std::size_t used) { m_size += used; }

    bool FlushesLines() const { return m_flushLines; }
    void EndLine() {
        if (m_flushLines) {
            Flush();
        }
    }
    void Flush();

private:
    static constexpr std::size_t kCapacity = std::size_t{1} << 17;
    ByteSink& m_sink;
    bool m_flushLines;
    std::unique_ptr<char[]> m_data;
    std::size_t m_size = 0;
};

}  // namespace zembra::cli
