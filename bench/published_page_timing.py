#!/usr/bin/python3
"""Times a published page in headless Chromium: how long until it is usable, and how long a
keystroke in the filter takes until the list is drawn again.

Usage: published_page_timing.py FOLDER_OF_INDEX_HTML
Publish the generated catalogue first, for example:
  XDG_DATA_HOME=/tmp/big build/tallowmere --catalogue BIG publish /tmp/big-site
with build/bench/data/catalogue-100000.db copied to /tmp/big/KIB/BIG.db.
"""

import os
import shutil
import statistics
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
         '--disable-background-networking', '--disable-component-update', '--disable-sync',
         '--window-size=1280,800']

# Types one more letter and waits for the frame that shows the list it leaves.
KEYSTROKE = """
const done = arguments[arguments.length - 1];
const box = document.getElementById('filter');
const start = performance.now();
box.value = arguments[0];
box.dispatchEvent(new Event('input'));
requestAnimationFrame(() => setTimeout(() => done([performance.now() - start,
    document.getElementById('count').textContent])));
"""


def main():
    page = os.path.join(os.path.abspath(sys.argv[1]), 'index.html')
    profile = tempfile.mkdtemp(prefix='page-timing-')
    options = webdriver.ChromeOptions()
    options.binary_location = shutil.which('chromium')
    for flag in FLAGS + ['--user-data-dir=' + profile]:
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service(shutil.which('chromedriver')), options=options)
    try:
        loads = []
        for _ in range(3):
            started = time.monotonic()
            driver.get('file://' + page)
            ready = WebDriverWait(driver, 60, poll_frequency=0.01).until(
                lambda d: d.find_element(By.TAG_NAME, 'body').get_attribute('data-ready'))
            loads.append((time.monotonic() - started, int(ready)))
        print('usable after (wall s, page ms):', loads)
        driver.execute_async_script(KEYSTROKE, '')  # let the filter's texts be made
        keystrokes = []
        for word in ['s', 'st', 'sta', 'star', 'star w', 'star wa', 'a', 'am', 'ame', '']:
            elapsed, count = driver.execute_async_script(KEYSTROKE, word)
            keystrokes.append(elapsed)
            print(f'  {word!r:10} {elapsed:7.1f} ms  {count}')
        print(f'keystroke median {statistics.median(keystrokes):.1f} ms, '
              f'max {max(keystrokes):.1f} ms')
    finally:
        driver.quit()
        shutil.rmtree(profile, ignore_errors=True)


if __name__ == '__main__':
    main()
