#!/usr/bin/env python3
"""Checks the built help file as WinHelp reads it: each help number that the
administration program passes leads, through |CTXOMAP, to the topic of its
window (its title in |TTLBTREE); Wine's viewer accepts the map's header; the
viewer's language and buttons are French.

    help_file_test.py velmo95.hlp
"""
import os
import struct
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), '..', '..', 'tools'))
import finish_help  # noqa: E402

TOPICS = {
    10: 'La fenêtre principale',
    20: "Choix de l'utilisateur",
    30: 'Nouveau raccourci',
    40: 'Nouveau dossier',
    50: "Confirmation d'une suppression",
    60: "Propriétés d'un raccourci",
    70: 'Renommer un dossier',
    80: 'Options du bureau',
    90: 'Mot de passe de désactivation',
    100: 'Emplacement des profils',
}


class HelpFileTest(unittest.TestCase):
    path = None

    def setUp(self):
        with open(self.path, 'rb') as f:
            self.help = finish_help.HelpFile(f.read())

    def test_each_number_opens_the_topic_of_its_window(self):
        titles = self.help.titles()
        found = {number: titles.get(offset, '') for number, offset in self.help.context_map().items()}
        self.assertEqual(set(found), set(TOPICS))
        for number, title in TOPICS.items():
            self.assertTrue(found[number].endswith(' ' + title), '%d opens %r' % (number, found[number]))

    def test_the_map_has_room_for_what_it_holds(self):
        offset = self.help.directory_entries()['|CTXOMAP'][0]
        reserved, used, _ = finish_help.FILE_HEADER.unpack_from(self.help.data, offset)
        self.assertGreaterEqual(reserved, used + finish_help.FILE_HEADER.size)

    def test_the_viewer_speaks_french(self):
        records = list(finish_help.system_records(self.help.content('|SYSTEM')))
        language = [data[-2:] for kind, data in records if kind == finish_help.SYSTEM_LCID]
        self.assertEqual(language, [struct.pack('<H', finish_help.FRENCH)])
        macros = b''.join(data for kind, data in records if kind == finish_help.SYSTEM_CONFIG)
        self.assertNotIn(b'&About', macros)
        self.assertNotIn(b'&Up', macros)

if __name__ == '__main__':
    HelpFileTest.path = sys.argv.pop(1)
    unittest.main()
