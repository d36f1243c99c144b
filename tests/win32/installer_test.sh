#!/usr/bin/env bash
# The installer under Wine: a silent per-user install into a fresh folder puts
# the program, its command-line tool, the ready-made menus, the manual, the
# Start-menu shortcut, the file association and the uninstall entry in place;
# the silent uninstaller takes all of them away again and leaves a template the
# user added.
#   installer_test.sh BIN_DIR
# Builds its own installer from BIN_DIR with a stand-in manual. Exit 77 (a
# skip) when NSIS is not installed.
set -uo pipefail
bin=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
if ! command -v makensis >/dev/null; then
    echo "SKIPPED: makensis is not installed (scripts/setup installs nsis)"
    exit 77
fi
: "${WINEPREFIX:?the test runs in the Wine prefix of scripts/test}"

work=$(mktemp -d)
name=tessary-install-test-$$
target=$WINEPREFIX/drive_c/$name
trap 'rm -rf "$work" "$target"' EXIT
failures=0
check() { # check DESCRIPTION COMMAND...
    if "${@:2}"; then echo "ok: $1"; else echo "FAILED: $1"; failures=$((failures + 1)); fi
}
absent() { [ ! -e "$1" ]; }
key() { wine reg query "$1" >/dev/null 2>&1; }
no_key() { ! key "$1"; }
shortcut() { find "$WINEPREFIX/drive_c/users" -path "*Programs/Tessary 2/Tessary 2.lnk" | grep -q .; }
no_shortcut() { ! shortcut; }
same_templates() { diff -r "$bin/Templates" "$target/Templates" >/dev/null; }
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tessary2'
association='HKCU\Software\Classes\.tsmb'

printf '%%PDF-1.4\n%% stand-in manual\n' >"$work/manual.pdf"
"$root/packaging/stage" "$bin" "$work/manual.pdf" "$work/stage" || exit 1
"$root/packaging/make-installer" "$work/stage" 0.0.1 "$work/Tessary-test-setup.exe" || exit 1

wine "$work/Tessary-test-setup.exe" /S /CurrentUser "/D=C:\\$name" </dev/null >/dev/null 2>&1
check "the program is installed" test -f "$target/Tessary.exe"
check "the command-line tool is installed" test -f "$target/tessary-cli.exe"
check "the FileMaker stand-in is not installed" absent "$target/fm-standin.exe"
check "the ready-made menus are installed" same_templates
check "the manual is installed" test -f "$target/Tessary 2 Manual.pdf"
check "the uninstaller is installed" test -f "$target/Uninstall.exe"
check "the Start menu has a shortcut" shortcut
check "the uninstall entry is written" key "$uninstall_key"
check "the file association is written" key "$association"

touch "$target/Templates/Mine.qxtf"
wine "C:\\$name\\Uninstall.exe" /S </dev/null >/dev/null 2>&1
# The uninstaller runs from a copy of itself and removes the original last.
for _ in $(seq 150); do
    [ -e "$target/Uninstall.exe" ] || break
    sleep 0.2
done
check "the program is removed" absent "$target/Tessary.exe"
check "the command-line tool is removed" absent "$target/tessary-cli.exe"
check "the manual is removed" absent "$target/Tessary 2 Manual.pdf"
check "the standard menus are removed" absent "$target/Templates/FileMaker Menus"
check "the uninstaller is removed" absent "$target/Uninstall.exe"
check "a template of the user's stays" test -f "$target/Templates/Mine.qxtf"
check "the shortcut is removed" no_shortcut
check "the uninstall entry is removed" no_key "$uninstall_key"
check "the file association is removed" no_key "$association"

echo "installer test: $failures failed"
[ "$failures" = 0 ]
