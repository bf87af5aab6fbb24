#!/usr/bin/python3
"""Makes the collections with covers of the tests, and the small pictures they hold, with
Python's own zlib and zip: run it in this folder to make them again."""

import os
import struct
import zipfile
import zlib


def png(width, height, colour):
    """A picture of one colour as a PNG file's bytes."""
    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data)))
    rows = b''.join(b'\x00' + bytes(colour) * width for _ in range(height))
    return (b'\x89PNG\r\n\x1a\n' +
            chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(rows)) + chunk(b'IEND', b''))


def entry(number, title, cover):
    return (f'  <entry id="{number}">\n   <title>{title}</title>\n'
            f'   <cover>{cover}</cover>\n  </entry>\n')


# A packed collection: one good cover, one that is no picture, one the archive lacks.
xml = ('<?xml version="1.0" encoding="UTF-8"?>\n'
       '<tellico xmlns="http://periapsis.org/tellico/" syntaxVersion="11">\n'
       ' <collection title="Covers" type="3">\n' +
       entry(1, 'Alien', 'alien.png') + entry(2, 'Brazil', 'brazil.jpg') +
       entry(3, 'Casablanca', 'casablanca.png') +
       ' </collection>\n</tellico>\n')
with zipfile.ZipFile('covers.tc', 'w', zipfile.ZIP_DEFLATED) as archive:
    archive.writestr(zipfile.ZipInfo('tellico.xml', (2026, 1, 1, 0, 0, 0)), xml)
    archive.writestr(zipfile.ZipInfo('images/alien.png', (2026, 1, 1, 0, 0, 0)),
                     png(30, 45, (200, 40, 40)))
    archive.writestr(zipfile.ZipInfo('images/brazil.jpg', (2026, 1, 1, 0, 0, 0)),
                     b'\xff\xd8\xff\xe0 not a picture after all')

# GCstar names its pictures as files: one beside the collection, two that lead elsewhere.
os.makedirs('covers', exist_ok=True)
open('covers/alien.png', 'wb').write(png(40, 60, (40, 40, 200)))
items = [('Alien', 'covers/alien.png'), ('Brazil', '../peers/covers/alien.png'),
         ('Casablanca', '/etc/passwd')]
open('covers.gcs', 'w').write(
    '<?xml version="1.0" encoding="UTF-8"?>\n'
    '<collection type="GCfilms" items="3" version="1.7.0">\n'
    ' <information><maxId>3</maxId></information>\n' +
    ''.join(f' <item id="{n}" title="{t}" image="{i}">\n </item>\n'
            for n, (t, i) in enumerate(items, 1)) +
    '</collection>\n')
