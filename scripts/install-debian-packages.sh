#!/bin/sh
# Installs what building, running and testing the program needs on Debian 12. Xvfb and xdotool
# let the end-to-end tests drive the program on a real X server; the desktop and AppStream
# validators check the install files; poppler-utils lets the tests read the PDF files the
# program writes; Chromium, its driver and Selenium run the published web page's test. Qt's
# translation tools build the window's languages; Qt's own translations give its dialogs theirs.
# ImageMagick's import takes the screenshots the end-to-end tests look at.
set -e
packages="cmake ninja-build g++ pkg-config qt6-base-dev libqt6sql6-sqlite libsqlite3-dev sqlite3 zlib1g-dev \
fonts-liberation2 poppler-utils libgtest-dev libgmock-dev libbenchmark-dev xvfb xdotool \
desktop-file-utils appstream chromium chromium-driver python3-selenium libqt6svg6 \
qt6-tools-dev qt6-l10n-tools qt6-translations-l10n imagemagick"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi
