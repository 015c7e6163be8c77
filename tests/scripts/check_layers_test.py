#!/usr/bin/env python3
"""The layer check on a small tree of its own: a clean tree passes, and each kind of dependency
against the order (an upward or sideways include, an upward link, a source of another folder, a
test folder with no source folder) fails with the offending line named."""

import os
import subprocess
import sys
import tempfile
import unittest

SCRIPT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts", "check-layers")

ARCHITECTURE = """# Architecture

```layers
1. low
2. mid/a mid/b
3. top
tests: support
```
"""


def write(root, path, text):
    path = os.path.join(root, path)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


class CheckLayers(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.root = self.dir.name
        self.plant_clean_tree()

    def plant_clean_tree(self):
        write(self.root, "docs/ARCHITECTURE.md", ARCHITECTURE)
        write(self.root, "src/low/low.h", "#pragma once\n#include <vector>\n")
        write(self.root, "src/mid/a/a.h", '#pragma once\n#include "low/low.h"\n')
        write(self.root, "src/mid/b/b.h", '#pragma once\n#include "low/low.h"\n')
        write(self.root, "src/top/top.cpp", '#include "mid/a/a.h"\n#include "mid/b/b.h"\n')
        write(self.root, "src/low/CMakeLists.txt", "qav_library(low SOURCES low.cpp)\n")
        write(self.root, "src/mid/a/CMakeLists.txt", "qav_library(a SOURCES a.cpp DEPS low)\n")
        write(self.root, "src/top/CMakeLists.txt",
              "qav_library(top SOURCES top.cpp DEPS a)\ntarget_link_libraries(top PRIVATE low)\n")
        write(self.root, "tests/top/top_test.cpp", "\n")
        write(self.root, "tests/support/helper_test.cpp", "\n")

    def tearDown(self):
        self.dir.cleanup()

    def check(self):
        run = subprocess.run([sys.executable, SCRIPT, self.root], capture_output=True, text=True)
        return run.returncode, run.stdout

    def test_a_tree_in_order_passes(self):
        code, out = self.check()
        self.assertEqual(code, 0, out)
        self.assertIn("ok (4 folders in 3 layers)", out)

    def test_each_dependency_against_the_order_is_named(self):
        cases = [
            ("src/low/low.cpp", '#include "top/top.cpp"\n',
             'src/low/low.cpp:1: #include "top/top.cpp" — top (layer 3) is above low (layer 1)'),
            ("src/mid/a/a.cpp", '\n#include "mid/b/b.h"\n',
             'src/mid/a/a.cpp:2: #include "mid/b/b.h" — mid/b (layer 2) is beside mid/a (layer 2)'),
            ("src/mid/b/CMakeLists.txt", "qav_library(b SOURCES b.cpp DEPS top)\n",
             "src/mid/b/CMakeLists.txt: b links top — top (layer 3) is above mid/b (layer 2)"),
            ("src/low/CMakeLists.txt", "qav_library(low SOURCES low.cpp ../top/top.cpp)\n",
             "low compiles ../top/top.cpp, a source of another folder"),
            ("tests/gone/gone_test.py", "\n", "tests/gone: tests a folder src/gone that does not exist"),
            ("src/elsewhere/x.h", '#include "low/low.h"\n', "src/elsewhere is in no layer"),
        ]
        for path, text, expected in cases:
            with self.subTest(path=path):
                self.tearDown()
                self.setUp()
                write(self.root, path, text)
                code, out = self.check()
                self.assertEqual(code, 1, out)
                self.assertIn(expected, out)
                self.assertIn("check-layers: 1 dependencies against the layer order", out)


if __name__ == "__main__":
    unittest.main()
