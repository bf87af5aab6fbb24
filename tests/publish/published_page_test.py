#!/usr/bin/python3
"""The published web page in a real browser: headless Chromium driven through chromedriver.

Publishes a small catalogue with the program itself (`import`, then `publish`), opens the page
from the disk and uses it as a visitor does: reads the list, types into the filter, sorts by a
column, opens a movie and looks for any sign that a title was run as markup. The screenshot is
kept beside the page, in the build folder.

Usage: published_page_test.py PROGRAM OUTPUT_FOLDER
Exits 77 (skipped) when Chromium, chromedriver or Selenium is missing.
"""

import os
import shutil
import sqlite3
import struct
import subprocess
import sys
import tempfile
import unittest
import zlib
from datetime import date

SKIPPED = 77
CHROMIUM_FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic',
                  '--no-first-run', '--disable-background-networking',
                  '--disable-component-update', '--disable-sync', '--window-size=1280,800']
HERE = os.path.dirname(os.path.abspath(__file__))
# A double quote cannot stand in a movie file, so this title is written straight into the file.
QUOTE_TITLE = '"><img src=x onerror="window.xssFired=1">'

try:
    from selenium import webdriver
    from selenium.common.exceptions import NoAlertPresentException
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
    from selenium.webdriver.support.ui import WebDriverWait
except ImportError:
    webdriver = None


def browser_missing():
    missing = []
    if webdriver is None:
        missing.append('python3-selenium')
    if not shutil.which('chromium'):
        missing.append('chromium')
    if not shutil.which('chromedriver'):
        missing.append('chromium-driver')
    return missing


def plain_png(width, height, colour):
    """A picture of one colour, as a PNG file's bytes."""
    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data)))
    rows = b''.join(b'\x00' + bytes(colour) * width for _ in range(height))
    return (b'\x89PNG\r\n\x1a\n' +
            chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(rows)) + chunk(b'IEND', b''))


def run(program, home, *arguments, language=None):
    # The program's own English words, whatever the developer's locale, unless a language is
    # asked for, as a user's shell names it.
    environment = {name: value for name, value in os.environ.items()
                   if not name.startswith('LC_') and name != 'LANGUAGE'}
    environment.update(HOME=home, XDG_DATA_HOME=os.path.join(home, 'data'),
                       XDG_CONFIG_HOME=os.path.join(home, 'config'), QT_QPA_PLATFORM='offscreen',
                       LANG='C.UTF-8')
    if language:
        environment.update(LANGUAGE=language, LANG=f'{language}_{language.upper()}.UTF-8')
    done = subprocess.run([program, '--catalogue', 'Films', *arguments], env=environment,
                          capture_output=True, text=True, timeout=120)
    if done.returncode != 0:
        raise AssertionError(f'{arguments}: exit {done.returncode}\n{done.stdout}{done.stderr}')
    return done.stdout


class PublishedPage(unittest.TestCase):
    program = None
    output = None

    @classmethod
    def setUpClass(cls):
        cls.home = tempfile.mkdtemp(prefix='published-page-')
        run(cls.program, cls.home, 'import', os.path.join(HERE, 'movies.txt'))
        # A new catalogue comes up to date one step each time it is opened.
        for _ in range(3):
            run(cls.program, cls.home, 'check')
        # Alien's cover, named after its label number.
        covers = os.path.join(cls.home, 'covers')
        os.makedirs(covers)
        with open(os.path.join(covers, 'A-1.png'), 'wb') as picture:
            picture.write(plain_png(60, 90, (200, 40, 40)))
        run(cls.program, cls.home, 'pictures', 'import', covers)
        with sqlite3.connect(os.path.join(cls.home, 'data', 'KIB', 'FILMS.db')) as catalogue:
            catalogue.execute('UPDATE Movie SET Title = ? WHERE MovieId = 5', (QUOTE_TITLE,))
        cls.site = os.path.join(cls.output, 'published-page')
        shutil.rmtree(cls.site, ignore_errors=True)
        cls.published = run(cls.program, cls.home, 'publish', cls.site)

        options = webdriver.ChromeOptions()
        options.binary_location = shutil.which('chromium')
        for flag in CHROMIUM_FLAGS:
            options.add_argument(flag)
        options.add_argument('--user-data-dir=' + os.path.join(cls.home, 'chromium'))
        cls.driver = webdriver.Chrome(service=Service(shutil.which('chromedriver')),
                                      options=options)
        cls.wait = WebDriverWait(cls.driver, 20)
        cls.open_page(cls.site)

    @classmethod
    def open_page(cls, site):
        cls.driver.get('file://' + os.path.join(site, 'index.html'))
        cls.wait.until(lambda d: d.find_element(By.TAG_NAME, 'body').get_attribute('data-ready'))

    @classmethod
    def tearDownClass(cls):
        if getattr(cls, 'driver', None):
            cls.driver.quit()
        shutil.rmtree(cls.home, ignore_errors=True)

    def setUp(self):
        self.close_movie()
        self.type_filter('')

    # What the visitor sees and does.
    def element(self, css):
        return self.driver.find_element(By.CSS_SELECTOR, css)

    def headings(self):
        return [th.text for th in self.driver.find_elements(By.CSS_SELECTOR, 'thead th')]

    def titles(self):
        return [row.find_elements(By.TAG_NAME, 'td')[0].text
                for row in self.driver.find_elements(By.CSS_SELECTOR, 'tr.movie')
                if row.is_displayed()]

    def column(self, heading):
        index = self.headings().index(heading)
        return [row.find_elements(By.TAG_NAME, 'td')[index].text
                for row in self.driver.find_elements(By.CSS_SELECTOR, 'tr.movie')
                if row.is_displayed()]

    def type_filter(self, text):
        box = self.element('#filter')
        box.send_keys(Keys.CONTROL, 'a')
        box.send_keys(Keys.DELETE)
        if text:
            box.send_keys(text)

    def count_becomes(self, text):
        self.wait.until(lambda d: self.element('#count').text == text)

    def close_movie(self):
        if self.element('#detail').is_displayed():
            self.element('#closeDetail').click()
            self.wait.until(lambda d: not self.element('#detail').is_displayed())

    def open_movie(self, title):
        for row in self.driver.find_elements(By.CSS_SELECTOR, 'tr.movie'):
            if row.is_displayed() and row.find_elements(By.TAG_NAME, 'td')[0].text == title:
                row.click()
                self.wait.until(lambda d: self.element('#detail').is_displayed())
                return
        self.fail(f'no row {title!r}')

    def detail_field(self, name):
        """The value beside the label the visitor reads."""
        for label in self.driver.find_elements(By.CSS_SELECTOR, '#fields dt'):
            if label.text == name:
                return label.find_element(By.XPATH, 'following-sibling::dd[1]').text
        self.fail(f'no field {name!r}')

    # The tests.
    def test_shows_the_catalogue_its_date_and_its_movies_in_title_order(self):
        self.assertIn('6 movies published to', self.published)
        self.assertEqual(self.element('h1').text, 'FILMS')
        self.assertEqual(self.driver.title, 'FILMS')
        self.assertEqual(self.element('#published').text,
                         'Published on ' + date.today().isoformat())
        self.count_becomes('6 movies')
        self.assertEqual(self.headings(), ['Title', 'Year', 'Genres', 'Director', 'Media',
                                           'Rating', 'Stars', 'Minutes', 'Label #'])
        self.assertEqual(self.element('label[for="filter"]').text, 'Filter')
        self.assertEqual(self.titles(), [QUOTE_TITLE, '<script>alert(1)</script>', 'Alien',
                                         'Amélie', 'Brazil', 'Zardoz'])

    def test_markup_in_titles_and_names_shows_as_text_and_never_runs(self):
        titles = self.titles()
        self.assertIn('<script>alert(1)</script>', titles)
        self.assertIn(QUOTE_TITLE, titles)
        self.assertIn('<b>Nobody</b>', self.column('Director'))
        self.assertEqual(self.driver.find_elements(By.CSS_SELECTOR, '#list img, #list b'), [])
        self.open_movie('<script>alert(1)</script>')
        self.assertEqual(self.element('#detailTitle').text, '<script>alert(1)</script>')
        self.assertEqual(self.detail_field('Notes'), '<script>alert(2)</script>')
        self.assertEqual([li.text for li in self.driver.find_elements(By.CSS_SELECTOR, '#cast li')],
                         ['<i>Someone'])
        self.close_movie()
        self.open_movie(QUOTE_TITLE)
        self.assertEqual(self.element('#detailTitle').text, QUOTE_TITLE)
        self.assertIsNone(self.driver.execute_script('return window.xssFired'))
        with self.assertRaises(NoAlertPresentException):
            self.driver.switch_to.alert.text
        self.assertEqual(len(self.driver.find_elements(By.TAG_NAME, 'script')), 3)

    def test_the_filter_finds_words_in_any_order_ignoring_case_and_accents(self):
        self.type_filter('AMELIE')
        self.count_becomes('1 of 6 movies')
        self.assertEqual(self.titles(), ['Amélie'])
        self.type_filter('fiction  gilliam')
        self.count_becomes('1 of 6 movies')
        self.assertEqual(self.titles(), ['Brazil'])
        self.type_filter('science')
        self.count_becomes('3 of 6 movies')
        self.assertEqual(self.titles(), ['Alien', 'Brazil', 'Zardoz'])
        self.type_filter('skerritt')  # the cast
        self.count_becomes('1 of 6 movies')
        self.type_filter('STRASSE sehnsucht')  # the notes, "ß" as "ss"
        self.count_becomes('1 of 6 movies')
        self.assertEqual(self.titles(), ['Zardoz'])
        self.type_filter('1985')  # the year is no word of the filter's texts
        self.count_becomes('0 of 6 movies')
        self.type_filter('no such movie')
        self.count_becomes('0 of 6 movies')
        self.assertEqual(self.titles(), [])
        self.type_filter('')
        self.count_becomes('6 movies')

    def test_a_heading_sorts_by_its_column_and_again_the_other_way(self):
        year = [th for th in self.driver.find_elements(By.CSS_SELECTOR, 'thead th')
                if th.text.startswith('Year')][0]
        year.click()
        self.wait.until(lambda d: year.get_attribute('aria-sort') == 'ascending')
        self.assertEqual(self.column('Year'), ['1974', '1979', '1985', '1999', '2000', '2001'])
        year.click()
        self.wait.until(lambda d: year.get_attribute('aria-sort') == 'descending')
        self.assertEqual(self.column('Year'), ['2001', '2000', '1999', '1985', '1979', '1974'])
        self.type_filter('science')  # the filter keeps the order
        self.count_becomes('3 of 6 movies')
        self.assertEqual(self.titles(), ['Brazil', 'Alien', 'Zardoz'])
        title = self.driver.find_elements(By.CSS_SELECTOR, 'thead th')[0]
        title.click()
        self.wait.until(lambda d: title.get_attribute('aria-sort') == 'ascending')
        self.assertEqual(self.titles(), ['Alien', 'Brazil', 'Zardoz'])

    def test_a_movie_opens_with_every_field_its_cast_and_genres(self):
        self.type_filter('alien')
        self.count_becomes('1 of 6 movies')
        self.open_movie('Alien')
        self.assertEqual(self.element('#detailTitle').text, 'Alien')
        expected = {'Movie #': '1', 'Year': '1979', 'Minutes': '117', 'Stars': '4.5',
                    'Media': 'DVD', 'Rating': 'R', 'Storage location': 'Living Room',
                    'Label #': 'A-1', 'Director': 'Ridley Scott', 'Producer': 'Gordon Carroll',
                    'Acquired': '2004-03-15', 'Cost': '12.5', 'Lent to': '', 'Lent on': '',
                    'Notes': "Director's cut\nRegion 2"}
        self.assertEqual({name: self.detail_field(name) for name in expected}, expected)
        self.assertEqual([li.text for li in self.driver.find_elements(By.CSS_SELECTOR, '#cast li')],
                         ['Sigourney Weaver', 'Tom Skerritt'])
        self.assertEqual(
            [li.text for li in self.driver.find_elements(By.CSS_SELECTOR, '#genres li')],
            ['Science Fiction', 'Horror'])
        cover = self.element('#cover')
        self.wait.until(lambda d: d.execute_script(
            'const c = arguments[0]; return c.complete && c.naturalWidth > 0;', cover))
        self.assertTrue(cover.is_displayed())
        self.assertEqual(self.driver.execute_script('return arguments[0].naturalWidth;', cover), 60)
        self.assertRegex(cover.get_attribute('src'), r'/pictures/1\.(jpg|png)$')
        os.makedirs(self.output, exist_ok=True)
        self.assertTrue(self.driver.save_screenshot(
            os.path.join(self.output, 'published-page.png')))
        self.element('#closeDetail').send_keys(Keys.ESCAPE)
        self.wait.until(lambda d: not self.element('#detail').is_displayed())

        self.type_filter('brazil')
        self.count_becomes('1 of 6 movies')
        self.open_movie('Brazil')
        self.assertEqual(self.element('#detailTitle').text, 'Brazil')
        self.assertFalse(self.element('#cover').is_displayed(), 'no cover, no picture')

    def test_a_german_program_publishes_the_page_in_german(self):
        site = os.path.join(self.output, 'published-page-de')
        shutil.rmtree(site, ignore_errors=True)
        published = run(self.program, self.home, 'publish', site, language='de')
        self.assertIn('6 Filme nach', published)
        self.addCleanup(self.open_page, self.site)
        self.open_page(site)
        self.assertEqual(self.element('html').get_attribute('lang'), 'de')
        self.assertEqual(self.headings(), ['Titel', 'Jahr', 'Genres', 'Regie', 'Medium',
                                           'Freigabe', 'Sterne', 'Minuten', 'Etikett-Nr.'])
        self.assertEqual(self.element('label[for="filter"]').text, 'Filtern')
        self.assertEqual(self.element('#filter').get_attribute('placeholder'),
                         'Wörter aus Titel, Namen, Genres oder Notizen')
        self.assertEqual(self.element('#published').text,
                         'Veröffentlicht am ' + date.today().isoformat())
        self.count_becomes('6 Filme')
        self.type_filter('science')
        self.count_becomes('3 von 6 Filmen')
        self.open_movie('Alien')
        self.assertEqual(self.detail_field('Standort'), 'Living Room')
        self.assertEqual(self.detail_field('Etikett-Nr.'), 'A-1')
        self.assertEqual(self.element('#cover').get_attribute('alt'), 'Coverbild von Alien')
        self.assertEqual(self.element('#closeDetail').get_attribute('aria-label'), 'Schließen')
        self.assertEqual(self.element('#castHeading').text, 'Darsteller')


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    missing = browser_missing()
    if missing:
        print('SKIPPED: the browser test needs ' + ', '.join(missing) +
              ' (scripts/install-debian-packages.sh installs them).')
        return SKIPPED
    PublishedPage.program = os.path.abspath(sys.argv[1])
    PublishedPage.output = os.path.abspath(sys.argv[2])
    result = unittest.main(argv=[sys.argv[0], '-v'], exit=False).result
    return 0 if result.wasSuccessful() else 1


if __name__ == '__main__':
    sys.exit(main())
