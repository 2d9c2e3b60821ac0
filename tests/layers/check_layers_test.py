#!/usr/bin/env python3
"""The layer check finds each kind of wrong include in a small tree made
for it, and nothing in the includes every layer may make."""

import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(__file__))

import check_layers  # noqa: E402

TREE = {
    # allowed: each layer on the ones below it
    "devlink/link.h": "#include <string>\n",
    "controller/ok.cpp": '#include "devlink/link.h"\n#include "files/file_write.h"\n',
    "widgets/ok.cpp": '#include "shell/page_host.h"\n#include <QWidget>\n#include "ui_page.h"\n',
    "measuring/window.cpp": '#include "shell/message_service.h"\n#include "measuring/core.h"\n',
    "measuring/core.h": "#include <cstdint>\n",
    "resources/ids/ksv2_ids.h": "#pragma once\n",
    "resources/ids/pln2_ids.h": "#pragma once\n",
    "softener/layout.cpp": '#include "resources/ids/ksv2_ids.h"\n',
    # wrong
    "controller/up.h": '#include "widgets/status_page.h"\n',
    "devlink/gui.cpp": "#include <QWidget>\n",
    "tools/unitsim/form.h": '#  include <QtCore/QString>\n',
    "osmosis/pages.cpp": '#include "softener/child_dlg_info.h"\n',
    "measuring/core.cpp": '#include "measuring/core.h"\n#include "shell/login_buttons.h"\n',
    "softener/tables.cpp": '#include "softener/page.h"\n',
    "softener/page.h": "#include <QDialog>\n",
    "osmosis/layout.cpp": '#include "resources/ids/ksv2_ids.h"\n#include "resources/ids/pln2_ids.h"\n',
    "widgets/status.cpp": '#include "resources/ids/pln2_ids.h"\n',
    # the command-line tool: the cores and the tables, never a window
    "cli/ok.cpp": '#include "controller/unit_value.h"\n#include "softener/layout.h"\n',
    "softener/layout.h": "#pragma once\n",
    "controller/unit_value.h": "#include <string>\n",
    "cli/window.cpp": '#include "softener/page.h"\n',
    "cli/shell.cpp": '#include "shell/page_host.h"\n',
    "cli/qt.cpp": "#include <QString>\n",
}


class LayerCheck(unittest.TestCase):
    def test_every_kind_of_wrong_include_is_found(self):
        with tempfile.TemporaryDirectory() as root:
            for path, text in TREE.items():
                os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
                with open(os.path.join(root, path), "w") as out:
                    out.write(text)
            given = ["measuring/core.cpp", "softener/tables.cpp", "softener/layout.cpp",
                     "softener/layout.h"]
            faults = sorted(
                set(check_layers.direction_faults(root))
                | set(check_layers.qt_free_faults(root, given))
            )
        self.assertEqual(
            faults,
            [
                "cli/qt.cpp: includes the Qt header QString but must stay free of Qt",
                "cli/shell.cpp: includes shell/page_host.h from the layer above (shell)",
                "cli/window.cpp: includes softener/page.h, which may use Qt",
                "controller/up.h: includes widgets/status_page.h from the layer above (widgets)",
                "devlink/gui.cpp: includes the Qt header QWidget but must stay free of Qt",
                "measuring/core.cpp: includes shell/login_buttons.h, which may use Qt",
                "osmosis/layout.cpp: includes resources/ids/ksv2_ids.h, the control numbers "
                "of another program",
                "osmosis/pages.cpp: includes softener/child_dlg_info.h from the layer above "
                "(softener)",
                "softener/page.h: includes the Qt header QDialog but must stay free of Qt",
                "tools/unitsim/form.h: includes the Qt header QtCore/QString but must stay "
                "free of Qt",
                "widgets/status.cpp: includes resources/ids/pln2_ids.h, the control numbers "
                "of another program",
            ],
        )


if __name__ == "__main__":
    unittest.main()
