# shellcheck shell=bash
# SPDX-License-Identifier: MIT
# Shared by the screenshot scripts: a desktop colour scheme for the program,
# as a desktop hands it over, through qt6ct.

# Writes a qt6ct configuration that applies tests/ui/testdata/palettes/$1.conf with
# the Fusion style, and prints the environment that makes the program use it.
theme_environment() {
    local config
    config="$(mktemp -d)"
    mkdir -p "$config/qt6ct"
    cat >"$config/qt6ct/qt6ct.conf" <<CONF
[Appearance]
color_scheme_path=$ZEMBRA_ROOT/tests/ui/testdata/palettes/$1.conf
custom_palette=true
style=Fusion
CONF
    echo "QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME=$config"
}
