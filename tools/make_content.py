#!/usr/bin/env python3
"""Writes the ready-made menu files that ship beside the program.

content/Templates/*.qxtf are the templates; content/Templates/FileMaker Menus/
holds the standard FileMaker menu bar of each FileMaker version in Browse and
Find mode, named "VERSION,MODE.qxtf". This script describes each menu, writes
it as rough menu code and hands it to `tessary-cli format --kind main`, so
every shipped file holds exactly the bytes the editor's own writer produces.
The outputs are checked in; run again after changing a menu:

    tools/make_content.py [path/to/tessary-cli]
"""
import os
import subprocess
import sys
import tempfile

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
TEMPLATES = os.path.join(ROOT, "content", "Templates")
STANDARD = os.path.join(TEMPLATES, "FileMaker Menus")

WIN, MAC, ALL = "WIN", "MAC", None


# ---- the nodes ------------------------------------------------------------


class Node:
    def __init__(self, platform=ALL):
        self.platform = platform

    def lines(self):
        raise NotImplementedError

    def code(self):
        body = self.lines()
        if self.platform is None:
            return body
        return ["#IF_" + self.platform] + body + ["#END_IF"]


class Menu(Node):
    """A menu: a FileMaker menu keyword (local caption), a caption, or both."""

    def __init__(self, name, children, platform=ALL, keyword=None):
        super().__init__(platform)
        if name.startswith("FM_MENU_") and keyword is None:
            self.caption, self.keyword = None, name
        else:
            self.caption, self.keyword = name, keyword
        self.children = [c for c in children if c is not None]

    def lines(self):
        args = []
        if self.caption is not None:
            args.append('"%s"' % self.caption)
        if self.keyword:
            args.append(self.keyword)
        out = ["FM_MENU ( %s )" % " , ".join(args), "{"]
        for child in self.children:
            out += child.code()
        return out + ["}"]


class AppMenu(Menu):
    def __init__(self, caption, children):
        super().__init__(caption, children)

    def lines(self):
        out = ['FM_APPMENU ( "%s" )' % self.caption, "{"]
        for child in self.children:
            out += child.code()
        return out + ["}"]


class Cmd(Node):
    """A FileMaker command, with its local caption unless a caption is given."""

    def __init__(self, keyword, platform=ALL, caption=None, shortcut=None):
        super().__init__(platform)
        self.keyword, self.caption, self.shortcut = keyword, caption, shortcut

    def lines(self):
        args = []
        if self.caption is not None:
            args.append('"%s"' % self.caption)
        args.append(self.keyword)
        if self.shortcut:
            args.append(self.shortcut)
        return ["FM_MENUITEM ( %s )" % ", ".join(args)]


class Script(Node):
    def __init__(self, caption, script, shortcut=None, platform=ALL, string=None, check=False, disabled=False):
        super().__init__(platform)
        self.caption, self.script, self.shortcut = caption, script, shortcut
        self.string, self.check, self.disabled = string, check, disabled

    def lines(self):
        args = ['"%s"' % self.caption, '"%s"' % self.script]
        if self.shortcut:
            args.append(self.shortcut)
        if self.string:
            args.append('String:"%s"' % self.string)
        if self.check:
            args.append("Check-On")
        if self.disabled:
            args.append("Disabled")
        return ["FM_MENUSCRIPTITEM ( %s )" % ", ".join(args)]


class MacItem(Node):
    def __init__(self, keyword, caption, script):
        super().__init__()
        self.keyword, self.caption, self.script = keyword, caption, script

    def lines(self):
        return ['%s ( "%s", "%s" )' % (self.keyword, self.caption, self.script)]


class Sep(Node):
    def lines(self):
        return ["FM_MENUITEMSEPARATOR ()"]


S = Sep


def menu_bar(menus):
    out = ["FM_MENUBAR ()", "{"]
    for m in menus:
        if m is not None:
            out += m.code()
    return "\r\n".join(out + ["}"]) + "\r\n"


def when(condition, node):
    return node if condition else None


# ---- the standard FileMaker menus ------------------------------------------
# One description for all versions: `v` is the version as a number, `find` the
# mode. Items carry no shortcut and no caption of their own, so FileMaker shows
# its own captions and keeps its default shortcuts.

VERSIONS = [6, 7, 8, 8.5, 9, 10, 11]


def version_name(v):
    return "FileMaker Pro %s" % ("%g" % v)


def app_menu(v):
    prefs = Cmd("FM_APP_PREFERENCES")
    if v < 7:
        prefs = Menu("FM_MENU_PREFERENCES", [Cmd("FM_APP_PREFERENCES"), Cmd("FM_FILE_PREFERENCES")])
    return AppMenu("FileMaker Pro", [Cmd("FM_ABOUT"), S(), prefs, S(), Cmd("FM_QUIT")])


def file_menu(v):
    if v < 7:
        define = [
            Cmd("FM_DEFINE_FIELDS"),
            Cmd("FM_DEFINE_VALUE_LISTS"),
            Cmd("FM_DEFINE_RELATIONSHIPS"),
            Menu("FM_MENU_ACCESS_PRIVILEGES", [Cmd("FM_PASSWORDS"), Cmd("FM_GROUPS"), Cmd("FM_OVERVIEW")]),
            S(),
            Cmd("FM_SHARING"),
        ]
    else:
        defined = [
            Cmd("FM_DEFINE_DATABASE"),
            Cmd("FM_ACCOUNTS_PRIVILEDGES"),
            Cmd("FM_DEFINE_VALUE_LISTS"),
            when(v >= 11, Cmd("FM_DEFINE_LAYOUTS")),
            when(v >= 9, Cmd("FM_SCRIPTMAKER")),
            Cmd("FM_EXTERNAL_DATA_SOURCES") if v >= 9 else Cmd("FM_FILE_REFERENCES"),
            Cmd("FM_CUSTOM_FUNCTIONS"),
            when(v >= 9, Cmd("FM_CUSTOM_MENUS")),
        ]
        sharing = [
            Cmd("FM_NETWORK_SHARING"),
            Cmd("FM_WEB_SHARING"),
            Cmd("FM_ODBC_JDBC_SHARING"),
            when(9 <= v < 11, Cmd("FM_LAUNCH_PHP_ASSISTANT")),
        ]
        define = [
            Menu("FM_MENU_MANAGE" if v >= 9 else "FM_MENU_DEFINE", defined),
            Cmd("FM_FILE_PREFERENCES"),
            Cmd("FM_CHANGE_PASSWORD"),
            S(),
            Menu("FM_MENU_SHARING", sharing),
        ]
    recent = [Cmd("FM_RECENT_FILES"), when(v >= 11, S()), when(v >= 11, Cmd("FM_CLEAR_RECENT_FILES"))]
    favorites = [Cmd("FM_FAVORITES"), S(), Cmd("FM_ADD_CURRENT_FILE_TO_FAVORITES"), Cmd("FM_MANAGE_FAVORITES")]
    imports = [
        Cmd("FM_IMPORT_FILE"),
        Cmd("FM_IMPORT_FOLDER"),
        when(v >= 10, Cmd("FM_IMPORT_BENTO", MAC)),
        Cmd("FM_IMPORT_XML"),
        Cmd("FM_IMPORT_ODBC"),
        Cmd("FM_IMPORT_CAMERA", MAC),
    ]
    save_as = [
        Cmd("FM_SEND_RECORDS_TO_EXCEL"),
        Cmd("FM_SEND_RECORDS_TO_PDF"),
        when(v >= 11, Cmd("FM_SEND_RECORDS_TO_SNAPHOT_LINK")),
    ]
    if v >= 11:
        send = [Menu("FM_MENU_SEND", [Cmd("FM_SEND_MAIL"), Cmd("FM_SEND_LINK")])]
    else:
        send = [when(v >= 7, Cmd("FM_SEND_MAIL")), when(v >= 8, Cmd("FM_SEND_LINK"))]
    return Menu(
        "FM_MENU_FILE",
        [
            Cmd("FM_NEW_DATABASE"),
            when(v >= 11, Cmd("FM_NEW_FROM_STARTER_SOLUTION")),
            Cmd("FM_OPEN"),
            when(v >= 11, Menu("FM_MENU_OPEN_FAVORITE", favorites)),
            when(v >= 7, Menu("FM_MENU_OPEN_RECENT", recent)),
            Cmd("FM_OPEN_REMOTE"),
            Cmd("FM_CLOSE"),
            S(),
            *define,
            S(),
            Cmd("FM_PRINT_SETUP"),
            Cmd("FM_PRINT"),
            S(),
            Menu("FM_MENU_IMPORT_RECORDS", imports),
            Cmd("FM_EXPORT"),
            when(v >= 8, Menu("FM_MENU_SEND_SAVE_RECORDS_AS", save_as)),
            *send,
            S(),
            Cmd("FM_SAVE_COPY"),
            Cmd("FM_RECOVER"),
            Sep(WIN),
            Cmd("FM_QUIT", WIN),
        ],
    )


def edit_menu(v):
    if v < 7:
        prefs = Menu("FM_MENU_PREFERENCES", [Cmd("FM_APP_PREFERENCES"), Cmd("FM_FILE_PREFERENCES")], WIN)
    else:
        prefs = Cmd("FM_APP_PREFERENCES", WIN)
    return Menu(
        "FM_MENU_EDIT",
        [
            Cmd("FM_UNDO"),
            when(v >= 8, Cmd("FM_REDO")),
            S(),
            Cmd("FM_CUT"),
            Cmd("FM_COPY"),
            Cmd("FM_PASTE"),
            Cmd("FM_PASTE_TEXT"),
            when(v < 7, Cmd("FM_PASTE_SPECIAL", WIN)),
            Cmd("FM_CLEAR"),
            S(),
            Cmd("FM_SELECT_ALL"),
            S(),
            Menu(
                "FM_MENU_FIND_REPLACE",
                [Cmd("FM_FIND_REPLACE"), Cmd("FM_FIND_AGAIN"), Cmd("FM_REPLACE_FIND_AGAIN"), Cmd("FM_FIND_SELECTED")],
            ),
            Menu(
                "FM_MENU_SPELLING",
                [
                    Cmd("FM_SPELLING_CHECK_SELECTION"),
                    Cmd("FM_SPELLING_CHECK_RECORD"),
                    Cmd("FM_SPELLING_CHECK_ALL"),
                    Cmd("FM_SPELLING_CORRECT_WORD"),
                    S(),
                    Cmd("FM_SPELLING_SELECT_DICTIONARIES"),
                    Cmd("FM_SPELLING_EDIT_USER_DICTIONARY"),
                ],
            ),
            Menu("FM_MENU_OBJECT", [Cmd("FM_OBJECT_LINKS"), Cmd("FM_CONVERT_OBJECTS")], WIN),
            S(),
            Cmd("FM_EXPORT_FIELD_CONTENTS"),
            Sep(WIN),
            prefs,
        ],
    )


def view_menu(v):
    if v >= 10:
        bars = [Cmd("FM_STATUS_TOOLBAR"), Cmd("FM_CUSTOMIZE_STATUS_TOOLBAR"), Cmd("FM_FORMATTING_BAR")]
    else:
        bars = [
            Menu("FM_MENU_TOOLBARS", [Cmd("FM_TOOLBARS_STANDARD"), Cmd("FM_TOOLBARS_TEXT")]),
            Cmd("FM_STATUS_AREA"),
        ]
    return Menu(
        "FM_MENU_VIEW",
        [
            Cmd("FM_BROWSE_MODE"),
            Cmd("FM_FIND_MODE"),
            Cmd("FM_LAYOUT_MODE"),
            Cmd("FM_PREVIEW_MODE"),
            S(),
            Menu("FM_MENU_GO_TO_LAYOUT", [Cmd("FM_LAYOUTS")]) if v >= 7 else Cmd("FM_LAYOUTS"),
            S(),
            Cmd("FM_FORM_VIEW"),
            Cmd("FM_LIST_VIEW"),
            Cmd("FM_TABLE_VIEW"),
            S(),
            *bars,
            Cmd("FM_STATUS_BAR", WIN),
            Cmd("FM_TEXT_RULER"),
            S(),
            Cmd("FM_ZOOM_IN"),
            Cmd("FM_ZOOM_OUT"),
        ],
    )


def insert_menu(v, find):
    media = [
        Cmd("FM_INSERT_PICTURE"),
        Cmd("FM_INSERT_QUICKTIME"),
        Cmd("FM_INSERT_SOUND"),
        when(v >= 7, Cmd("FM_INSERT_FILE")),
        Cmd("FM_INSERT_OBJECT", WIN),
        S(),
    ]
    return Menu(
        "FM_MENU_INSERT",
        [
            *([] if find else media),
            Cmd("FM_INSERT_CURRENT_DATE"),
            Cmd("FM_INSERT_CURRENT_TIME"),
            Cmd("FM_INSERT_CURRENT_USER_NAME"),
            S(),
            Cmd("FM_INSERT_FROM_INDEX"),
            when(not find, Cmd("FM_INSERT_FROM_LAST_RECORD")),
        ],
    )


def format_menu(v):
    return Menu(
        "FM_MENU_FORMAT",
        [
            Cmd("FM_TEXT_FONTS"),
            Cmd("FM_TEXT_SIZE"),
            Cmd("FM_TEXT_STYLE"),
            Cmd("FM_TEXT_ALIGN"),
            Cmd("FM_TEXT_LINE_SPACING"),
            Cmd("FM_TEXT_COLOR"),
            S(),
            Cmd("FM_TEXT"),
            when(v >= 7, S()),
            when(v >= 7, Cmd("FM_USE_SYSTEM_FORMATS")),
        ],
    )


def saved_finds(v):
    return Menu(
        "FM_MENU_SAVED_FINDS",
        [
            Cmd("FM_SAVE_CURRENT_FIND"),
            Cmd("FM_EDIT_SAVED_FINDS"),
            S(),
            Cmd("FM_SAVED_FINDS"),
            Cmd("FM_SAVED_FINDS_LIST"),
            S(),
            Cmd("FM_RECENT_FINDS"),
            Cmd("FM_RECENT_FINDS_LIST"),
            when(v >= 11, Cmd("FM_CLEAR_ALL_RECENT_FINDS")),
        ],
    )


def records_menu(v):
    return Menu(
        "FM_MENU_RECORDS",
        [
            Cmd("FM_NEW_RECORD"),
            Cmd("FM_DUPLICATE_RECORD"),
            Cmd("FM_DELETE_RECORD"),
            Cmd("FM_DELETE_ALL_RECORDS"),
            S(),
            Menu(
                "FM_MENU_GO_TO_RECORD",
                [Cmd("FM_GO_TO_NEXT_RECORD"), Cmd("FM_GO_TO_PREVIOUS_RECORD"), Cmd("FM_GO_TO_SPECIFIED_RECORD")],
            ),
            when(v >= 7, Cmd("FM_REFRESH_WINDOW")),
            S(),
            Cmd("FM_SHOW_ALL_RECORDS"),
            Cmd("FM_SHOW_OMITTED_ONLY"),
            Cmd("FM_OMIT_RECORD"),
            Cmd("FM_OMIT_MULTIPLE_RECORDS"),
            S(),
            Cmd("FM_MODIFY_LAST_FIND"),
            when(v >= 10, saved_finds(v)),
            S(),
            Cmd("FM_SORT_RECORDS"),
            Cmd("FM_UNSORT_RECORDS"),
            S(),
            Cmd("FM_REPLACE_CONTENTS"),
            Cmd("FM_RELOOKUP_CONTENTS"),
            when(v >= 7, S()),
            when(v >= 7, Cmd("FM_REVERT_RECORD")),
        ],
    )


def requests_menu(v):
    return Menu(
        "FM_MENU_REQUESTS",
        [
            Cmd("FM_NEW_REQUEST"),
            Cmd("FM_DUPLICATE_REQUEST"),
            Cmd("FM_DELETE_REQUEST"),
            S(),
            Menu(
                "FM_MENU_GO_TO_REQUEST",
                [Cmd("FM_GO_TO_NEXT_REQUEST"), Cmd("FM_GO_TO_PREVIOUS_REQUEST"), Cmd("FM_GO_TO_SPECIFIED_REQUEST")],
            ),
            S(),
            Cmd("FM_SHOW_ALL_RECORDS"),
            Cmd("FM_PERFORM_FIND"),
            when(v >= 7, Cmd("FM_CONSTRAIN_FOUND_SET")),
            when(v >= 7, Cmd("FM_EXTEND_FOUND_SET")),
            when(v >= 10, saved_finds(v)),
            S(),
            Cmd("FM_REVERT_REQUEST"),
        ],
    )


def scripts_menu(v):
    return Menu("FM_MENU_SCRIPTS", [Cmd("FM_SCRIPTMAKER"), S(), Cmd("FM_SCRIPTS")])


def tools_menu(v):
    # The menu of the Developer and Advanced editions.
    if v < 7:
        return None
    debugging = [
        Cmd("FM_STEP_OVER"),
        Cmd("FM_STEP_INTO"),
        Cmd("FM_STEP_OUT"),
        Cmd("FM_RUN"),
        Cmd("FM_HALT_SCRIPT"),
        S(),
        Cmd("FM_SET_NEXT_STEP"),
        Cmd("FM_SET_BREAKPOINT"),
        Cmd("FM_REMOVE_BREAKPOINTS"),
        S(),
        Cmd("FM_EDIT_SCRIPT"),
        Cmd("FM_PAUSE_ON_ERROR"),
    ]
    custom = Cmd("FM_MANAGE_CUSTOM_MENUS") if v >= 9 else Cmd("FM_CUSTOM_MENUS")
    return Menu(
        "FM_MENU_TOOLS",
        [
            Cmd("FM_DEBUG_SCRIPTS"),
            when(v >= 9, Menu("FM_MENU_DEBUGGING_CONTROL", debugging)),
            when(v >= 8, Cmd("FM_DATA_VIEWER")),
            S(),
            Cmd("FM_DB_DESIGN_REPORT"),
            Cmd("FM_DEVELOPER_UTILITIES"),
            when(v >= 9, Cmd("FM_FILE_MAINTENANCE")),
            when(v >= 8, S()),
            when(v >= 8, Menu("FM_MENU_CUSTOM_MENUS", [custom])),
        ],
    )


def window_menu(v):
    return Menu(
        "FM_MENU_WINDOW",
        [
            when(v >= 7, Cmd("FM_NEW_WINDOW")),
            Menu("FM_MENU_SHOW_WINDOW", [Cmd("FM_HIDDEN_WINDOWS")]),
            Cmd("FM_HIDE_WINDOW"),
            when(v >= 8, Cmd("FM_MINIMIZE_WINDOW", MAC)),
            S(),
            Cmd("FM_WINDOW_TILE_HORIZONTALLY", WIN),
            Cmd("FM_WINDOW_TILE_VERTICALLY", WIN),
            Cmd("FM_WINDOW_CASCADE", WIN),
            Cmd("FM_WINDOW_ARRANGE_ICONS", WIN),
            Cmd("FM_WINDOW_ALL_TO_FRONT", MAC),
            S(),
            Cmd("FM_OPEN_WINDOWS"),
        ],
    )


def help_menu(v):
    documentation = [
        Cmd("FM_DOC_USERS_GUIDE"),
        Cmd("FM_DOC_TUTORIAL"),
        Cmd("FM_DOC_DEV_GUIDE"),
        Cmd("FM_DOC_IWP_GUIDE"),
        Cmd("FM_DOC_OJDBC_GUIDE"),
        S(),
        Cmd("FM_DOC_MORE"),
    ]
    return Menu(
        "FM_MENU_HELP",
        [
            Cmd("FM_HELP"),
            when(v < 8, Cmd("FM_HELP_CONTENTS_INDEXES")),
            when(v < 8, Cmd("FM_HELP_WHATS_THIS", WIN)),
            when(v >= 8, Cmd("FM_HELP_KEYBOARD")),
            when(v >= 10, Cmd("FM_HELP_QUICK_START_SCREEN")),
            when(v >= 9, Menu("FM_MENU_DOCUMENTATION", documentation)),
            S(),
            when(v >= 9, Cmd("FM_SERVICE_AND_SUPPORT")),
            when(v >= 9, Cmd("FM_CONSULTANT_AND_SOLUTIONS")),
            when(v >= 9, Cmd("FM_VISIT_FORUM")),
            when(v >= 8.5, Cmd("FM_DOWNLOADS_AND_UPDATES")),
            Cmd("FM_WEBSITE"),
            when(v >= 8, Cmd("FM_SEND_FEEDBACK")),
            S(),
            Cmd("FM_REGISTER_NOW"),
            Sep(WIN),
            Cmd("FM_ABOUT", WIN),
        ],
    )


def standard_menu(v, find):
    return menu_bar(
        [
            app_menu(v),
            file_menu(v),
            edit_menu(v),
            view_menu(v),
            insert_menu(v, find),
            format_menu(v),
            requests_menu(v) if find else records_menu(v),
            scripts_menu(v),
            tools_menu(v),
            window_menu(v),
            help_menu(v),
        ]
    )


# ---- the templates ---------------------------------------------------------


def mac_system_items(extra=()):
    return AppMenu(
        "FileMaker Pro",
        [
            *extra,
            MacItem("FM_MACPREFERENCES", "Preferences...", "Preferences"),
            MacItem("FM_MACQUITITEM", "Quit", "Quit Solution"),
        ],
    )


def edit_basics():
    return Menu(
        "FM_MENU_EDIT",
        [
            Cmd("FM_UNDO"),
            S(),
            Cmd("FM_CUT"),
            Cmd("FM_COPY"),
            Cmd("FM_PASTE"),
            Cmd("FM_CLEAR"),
            S(),
            Cmd("FM_SELECT_ALL"),
        ],
    )


def templates():
    quit_win = [Sep(WIN), Script("Exit", "Quit Solution", 'CTRL + "Q"', WIN)]
    cross_platform = menu_bar(
        [
            mac_system_items([Cmd("FM_ABOUT"), S()]),
            Menu(
                "FM_MENU_FILE",
                [Cmd("FM_PRINT_SETUP"), Cmd("FM_PRINT"), S(), Cmd("FM_CLOSE"), Script("Preferences...", "Preferences", platform=WIN), *quit_win],
            ),
            edit_basics(),
            Menu("FM_MENU_WINDOW", [Cmd("FM_HIDE_WINDOW"), Cmd("FM_MINIMIZE_WINDOW", MAC), S(), Cmd("FM_OPEN_WINDOWS")]),
            Menu("FM_MENU_HELP", [Script("Solution Help", "Show Help", '"F1"'), Sep(WIN), Cmd("FM_ABOUT", WIN)]),
        ]
    )
    data_entry = menu_bar(
        [
            mac_system_items(),
            Menu(
                "FM_MENU_FILE",
                [
                    Script("Import Contacts...", "Import Contacts"),
                    Script("Export Contacts...", "Export Contacts"),
                    S(),
                    Cmd("FM_PRINT_SETUP"),
                    Cmd("FM_PRINT"),
                    S(),
                    Cmd("FM_CLOSE"),
                    *quit_win,
                ],
            ),
            Menu(
                "FM_MENU_EDIT",
                [
                    Cmd("FM_UNDO"),
                    S(),
                    Cmd("FM_CUT"),
                    Cmd("FM_COPY"),
                    Cmd("FM_PASTE"),
                    Cmd("FM_PASTE_TEXT"),
                    Cmd("FM_CLEAR"),
                    S(),
                    Cmd("FM_SELECT_ALL"),
                    S(),
                    Menu("FM_MENU_SPELLING", [Cmd("FM_SPELLING_CHECK_RECORD"), Cmd("FM_SPELLING_CORRECT_WORD")]),
                ],
            ),
            Menu(
                "Records",
                [
                    Script("New Contact", "New Contact", 'CTRL + "N"'),
                    Script("Duplicate Contact", "Duplicate Contact", 'CTRL + "D"'),
                    Script("Delete Contact...", "Delete Contact", 'CTRL + "E"'),
                    S(),
                    Script("Find Contacts...", "Find Contacts", 'CTRL + "F"'),
                    Cmd("FM_SHOW_ALL_RECORDS"),
                    Cmd("FM_OMIT_RECORD"),
                    S(),
                    Menu("FM_MENU_GO_TO_RECORD", [Cmd("FM_GO_TO_NEXT_RECORD"), Cmd("FM_GO_TO_PREVIOUS_RECORD"), Cmd("FM_GO_TO_SPECIFIED_RECORD")]),
                    Script("Sort by Name", "Sort Contacts", string="name"),
                    Script("Sort by Company", "Sort Contacts", string="company"),
                    S(),
                    Cmd("FM_REVERT_RECORD"),
                    Script("Commit Record", "Commit", 'CTRL + "ENTER"'),
                ],
            ),
            Menu(
                "Go",
                [
                    Script("Contact List", "Go to List", 'CTRL + "1"'),
                    Script("Contact Details", "Go to Details", 'CTRL + "2"'),
                    Script("Activities", "Go to Activities", 'CTRL + "3"'),
                ],
            ),
            Menu("FM_MENU_HELP", [Script("Data Entry Help", "Show Help", '"F1"')]),
        ]
    )
    kiosk = menu_bar(
        [
            Menu(
                "Kiosk",
                [
                    Script("Home", "Kiosk Home", '"F2"'),
                    Script("Back", "Kiosk Back", '"F3"'),
                    S(),
                    Script("Large Text", "Toggle Large Text", check=True),
                    S(),
                    Script("Staff Login...", "Staff Login", 'CTRL + ALT + "L"'),
                ],
            ),
            Menu("FM_MENU_HELP", [Script("How to Use This Kiosk", "Show Help", '"F1"')]),
        ]
    )
    reports = menu_bar(
        [
            mac_system_items(),
            Menu(
                "FM_MENU_FILE",
                [
                    Cmd("FM_PRINT_SETUP"),
                    Cmd("FM_PRINT"),
                    S(),
                    Menu("FM_MENU_SEND_SAVE_RECORDS_AS", [Cmd("FM_SEND_RECORDS_TO_EXCEL"), Cmd("FM_SEND_RECORDS_TO_PDF")]),
                    Cmd("FM_SEND_MAIL"),
                    S(),
                    Cmd("FM_CLOSE"),
                    *quit_win,
                ],
            ),
            edit_basics(),
            Menu(
                "Reports",
                [
                    Script("Sales by Month", "Report", 'CTRL + ALT + "1"', string="sales-month"),
                    Script("Sales by Customer", "Report", 'CTRL + ALT + "2"', string="sales-customer"),
                    Script("Open Invoices", "Report", 'CTRL + ALT + "3"', string="open-invoices"),
                    S(),
                    Menu(
                        "Stock",
                        [
                            Script("Stock on Hand", "Report", string="stock"),
                            Script("Reorder List", "Report", string="reorder"),
                        ],
                    ),
                    S(),
                    Script("Last Report Again", "Report Again", '"F5"'),
                ],
            ),
            Menu(
                "Preview",
                [
                    Cmd("FM_PREVIEW_MODE"),
                    Script("Back to Browse", "Leave Preview"),
                    S(),
                    Cmd("FM_ZOOM_IN"),
                    Cmd("FM_ZOOM_OUT"),
                ],
            ),
            Menu("FM_MENU_WINDOW", [Cmd("FM_NEW_WINDOW"), Cmd("FM_HIDE_WINDOW"), S(), Cmd("FM_OPEN_WINDOWS")]),
        ]
    )
    developer = menu_bar(
        [
            mac_system_items(),
            Menu(
                "FM_MENU_FILE",
                [
                    Cmd("FM_OPEN"),
                    Menu("FM_MENU_OPEN_RECENT", [Cmd("FM_RECENT_FILES")]),
                    Cmd("FM_CLOSE"),
                    S(),
                    Menu(
                        "FM_MENU_MANAGE",
                        [
                            Cmd("FM_DEFINE_DATABASE"),
                            Cmd("FM_ACCOUNTS_PRIVILEDGES"),
                            Cmd("FM_DEFINE_VALUE_LISTS"),
                            Cmd("FM_SCRIPTMAKER"),
                            Cmd("FM_EXTERNAL_DATA_SOURCES"),
                            Cmd("FM_CUSTOM_FUNCTIONS"),
                            Cmd("FM_CUSTOM_MENUS"),
                        ],
                    ),
                    Cmd("FM_FILE_PREFERENCES"),
                    S(),
                    Cmd("FM_SAVE_COPY"),
                    Cmd("FM_RECOVER"),
                    *quit_win,
                ],
            ),
            edit_basics(),
            Menu(
                "FM_MENU_VIEW",
                [
                    Cmd("FM_BROWSE_MODE"),
                    Cmd("FM_FIND_MODE"),
                    Cmd("FM_LAYOUT_MODE"),
                    Cmd("FM_PREVIEW_MODE"),
                    S(),
                    Menu("FM_MENU_GO_TO_LAYOUT", [Cmd("FM_LAYOUTS")]),
                    S(),
                    Cmd("FM_STATUS_TOOLBAR"),
                    Cmd("FM_FORMATTING_BAR"),
                ],
            ),
            Menu("FM_MENU_SCRIPTS", [Cmd("FM_SCRIPTMAKER"), S(), Cmd("FM_SCRIPTS")]),
            Menu(
                "FM_MENU_TOOLS",
                [
                    Cmd("FM_DEBUG_SCRIPTS"),
                    Cmd("FM_DATA_VIEWER"),
                    S(),
                    Cmd("FM_DB_DESIGN_REPORT"),
                    Cmd("FM_DEVELOPER_UTILITIES"),
                    S(),
                    Menu("FM_MENU_CUSTOM_MENUS", [Cmd("FM_MANAGE_CUSTOM_MENUS")]),
                ],
            ),
            Menu(
                "Developer",
                [
                    Script("Show Solution Info", "Dev Info", 'CTRL + ALT + "I"', string="dev"),
                    Script("Log Script Errors", "Dev Toggle Logging", check=True, string="dev"),
                    Script("Reset Test Data...", "Dev Reset Data", string="dev"),
                    S(),
                    Script("Back to User Menus", "Install User Menus", string="dev"),
                ],
            ),
        ]
    )
    platforms = menu_bar(
        [
            mac_system_items([Script("About This Solution", "About"), S()]),
            Menu("FM_MENU_FILE", [Cmd("FM_PRINT"), S(), Cmd("FM_CLOSE"), *quit_win]),
            edit_basics(),
            Menu(
                "FM_MENU_WINDOW",
                [
                    Cmd("FM_NEW_WINDOW"),
                    S(),
                    Cmd("FM_WINDOW_TILE_HORIZONTALLY"),
                    Cmd("FM_WINDOW_TILE_VERTICALLY"),
                    Cmd("FM_WINDOW_CASCADE"),
                    S(),
                    Cmd("FM_OPEN_WINDOWS"),
                ],
                WIN,
            ),
            Menu(
                "FM_MENU_WINDOW",
                [Cmd("FM_MINIMIZE_WINDOW"), Cmd("FM_WINDOW_ALL_TO_FRONT"), S(), Cmd("FM_OPEN_WINDOWS")],
                MAC,
            ),
            Menu(
                "FM_MENU_HELP",
                [
                    Script("Solution Help", "Show Help", '"F1"'),
                    Sep(WIN),
                    Script("About This Solution", "About", platform=WIN),
                ],
            ),
        ]
    )
    return {
        "Cross-Platform Basics": cross_platform,
        "Data Entry": data_entry,
        "Kiosk": kiosk,
        "Reports": reports,
        "Developer": developer,
        "Windows and Mac Menus": platforms,
    }


# ---- writing ----------------------------------------------------------------


def formatted(cli, code):
    with tempfile.NamedTemporaryFile("wb", suffix=".qxtf", delete=False) as f:
        f.write(code.encode("cp1252"))
        name = f.name
    try:
        result = subprocess.run([cli, "format", "--kind", "main", name], capture_output=True)
    finally:
        os.unlink(name)
    if result.returncode != 0:
        sys.exit("make_content: the writer refused a menu:\n%s\n%s" % (result.stderr.decode(), code))
    return result.stdout


def main():
    cli = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build", "native", "bin", "tessary-cli")
    os.makedirs(STANDARD, exist_ok=True)
    files = {}
    for name, code in templates().items():
        files[os.path.join(TEMPLATES, name + ".qxtf")] = code
    for v in VERSIONS:
        for mode, find in (("Browse", False), ("Find", True)):
            files[os.path.join(STANDARD, "%s,%s.qxtf" % (version_name(v), mode))] = standard_menu(v, find)
    for path, code in sorted(files.items()):
        with open(path, "wb") as f:
            f.write(formatted(cli, code))
    print("make_content: wrote %d files" % len(files))


if __name__ == "__main__":
    main()
