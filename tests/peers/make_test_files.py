#!/usr/bin/python3
"""Makes the archives and the broken files of the tests from videos.xml, with Python's own zip
and XML-free text tools: run it in this folder to make them again."""

import struct
import zipfile

xml = open('videos.xml', 'rb').read()

# The .tc archive as the KDE collection manager packs it: tellico.xml and the images beside it.
with zipfile.ZipFile('videos.tc', 'w', zipfile.ZIP_DEFLATED) as archive:
    archive.writestr('tellico.xml', xml)
    archive.writestr('images/0123456789abcdef.png', b'\x89PNG\r\n\x1a\n')

# A path that leads out of the folder the archive would be unpacked into.
with zipfile.ZipFile('traversal.tc', 'w', zipfile.ZIP_DEFLATED) as archive:
    archive.writestr('tellico.xml', xml)
    archive.writestr('../../.bashrc', b'echo owned\n')

# A member of 3 MB of zeros whose headers claim 100 bytes: only unpacking shows its size.
with zipfile.ZipFile('lying-size.tc', 'w', zipfile.ZIP_DEFLATED) as archive:
    archive.writestr('tellico.xml', b'\0' * (3 * 1024 * 1024))
data = bytearray(open('lying-size.tc', 'rb').read())
struct.pack_into('<I', data, 22, 100)  # the local header's unpacked size
central = data.find(b'PK\x01\x02')
struct.pack_into('<I', data, central + 24, 100)  # the central header's
open('lying-size.tc', 'wb').write(bytes(data))

# An external entity that would read a file of the machine.
open('entity.xml', 'w').write(
    '<?xml version="1.0"?>\n'
    '<!-- An external entity that would read a file: it must never be resolved. -->\n'
    '<!DOCTYPE tellico [<!ENTITY secret SYSTEM "file:///etc/passwd">]>\n'
    '<tellico xmlns="http://periapsis.org/tellico/" syntaxVersion="11">\n'
    ' <collection title="V" type="3"><entry id="1"><title>&secret;</title></entry></collection>\n'
    '</tellico>\n')

# XML whose elements do not close in order.
open('broken.xml', 'w').write(
    '<?xml version="1.0"?>\n'
    '<!-- Elements that close out of order: not well-formed. -->\n'
    '<tellico xmlns="http://periapsis.org/tellico/" syntaxVersion="11">\n'
    ' <collection title="V" type="3"><entry id="1"><title>Alien</entry></title></collection>\n'
    '</tellico>\n')
