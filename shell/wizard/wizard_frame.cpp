#include "shell/wizard/wizard_frame.h"

#include "fmlink/filemaker_windows.h"
#include "fmlink/plugin_link.h"
#include "resources/resource.h"
#include "shell/command_table.h"
#include "shell/main_window.h"
#include "shell/message_box.h"
#include "shell/plugin_prompts.h"
#include "shell/program.h"
#include "shell/window_helpers.h"
#include "shell/wizard/skip_question.h"
#include "shell/wizard/wizard_tasks.h"

namespace tessary {
namespace {

// The header lines, black on the white band (heights in pixels at 96 DPI).
constexpr int kHeaderTextHeight = 13;
// The descriptions under the choices.
constexpr int kNoteHeight = 12;

constexpr int kButtonIds[] = {IDC_WIZARD_NEXT, IDCANCEL, IDC_WIZARD_SKIP, IDC_WIZARD_BACK};  // WizardButton order

// The names of the documents open in FileMaker; none when the plug-in does
// not answer (without a message).
std::vector<std::string> openFileMakerDocuments(HWND owner) {
    std::vector<std::string> names;
    MessageBoxPluginPrompts prompts(owner);
    PluginLink link(prompts);
    if (link.requestOpenDocuments()) {
        char name[256] = {};
        while (link.nextOpenDocument(name, sizeof name)) {
            names.emplace_back(name);
        }
    }
    return names;
}

bool hasClass(HWND window, const char* className) {
    char name[16] = {};
    return window && GetClassNameA(window, name, sizeof name) && lstrcmpiA(name, className) == 0;
}

bool isEdit(HWND window) {
    return hasClass(window, "Edit");
}

bool isComboBox(HWND window) {
    return hasClass(window, "ComboBox");
}

bool isPushButton(HWND window) {
    const LONG type = GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK;
    return hasClass(window, "Button") && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

}  // namespace

bool translateWizardKey(HWND frame, HACCEL keys, MSG& msg) {
    HWND focus = GetFocus();
    if (isComboBox(focus) && SendMessageA(focus, CB_GETDROPPEDSTATE, 0, 0)) {
        return false;
    }
    if (keys && TranslateAcceleratorA(frame, keys, &msg)) {
        return true;
    }
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_RETURN) {
        return false;
    }
    HWND button = isPushButton(focus) ? focus : GetDlgItem(frame, IDC_WIZARD_NEXT);
    if (button && IsWindowEnabled(button)) {
        SendMessageA(button, BM_CLICK, 0, 0);
    }
    return true;
}

bool openWizard(Program& program) {
    if (program.wizardFrame) {
        SetForegroundWindow(program.wizardFrame);
        return true;
    }
    // The frame's class: a dialog's, with the program icon.
    if (!registerProgramWindowClass(GetModuleHandleA(nullptr), TESSARY_WIZARD_CLASS, DefDlgProcA, 0, nullptr,
                                    DLGWINDOWEXTRA)) {
        return false;
    }
    auto* frame = new WizardFrame(program);
    HWND window = frame->createModeless(nullptr, IDD_WIZARD);
    if (!window) {
        delete frame;
        return false;
    }
    if (!frame->complete()) {
        DestroyWindow(window);  // the object goes with it
        return false;
    }
    // The frame shows on top; then the ready-made folder is looked for.
    showInFront(window);
    UpdateWindow(window);
    if (frame->flow().templatesMissing()) {
        showStringMessage(window, IDS_TEMPLATES_MISSING, MB_OK | MB_ICONWARNING);
    }
    return true;
}

WizardFrame::WizardFrame(Program& program)
    : program_(program), flow_(program.files, program.settings, [this] { return openFileMakerDocuments(hwnd()); }) {}

bool WizardFrame::onInit() {
    program_.wizardFrame = hwnd();
    header_ = static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_WIZARD_HEADER), IMAGE_BITMAP, 0, 0, 0));

    titleFont_ = createControlFont(item(IDC_WIZARD_TITLE), "Tahoma", true, dpiScaled(kHeaderTextHeight));
    subtitleFont_ = createControlFont(item(IDC_WIZARD_SUBTITLE), "Tahoma", false, dpiScaled(kHeaderTextHeight));
    SendMessageA(item(IDC_WIZARD_TITLE), WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_), FALSE);
    SendMessageA(item(IDC_WIZARD_SUBTITLE), WM_SETFONT, reinterpret_cast<WPARAM>(subtitleFont_), FALSE);
    pageFonts_.heading = createControlFont(hwnd(), "Tahoma", true, 0);
    pageFonts_.note = createControlFont(hwnd(), "Tahoma", false, dpiScaled(kNoteHeight));

    flow_.open();
    RECT area;
    GetWindowRect(item(IDC_WIZARD_PAGES), &area);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&area), 2);
    for (int i = 0; i < kWizardPageCount; ++i) {
        pages_[i] = std::make_unique<WizardPageDialog>(static_cast<WizardPage>(i), flow_, pageFonts_,
                                                       [this] { showButtons(); });
        if (!pages_[i]->create(hwnd(), area)) {
            return true;  // incomplete: openWizard closes it again
        }
    }
    showPage();
    SetFocus(item(IDC_WIZARD_SKIP));
    return false;
}

void WizardFrame::showPage() {
    const WizardPage shown = flow_.page();
    for (const auto& page : pages_) {
        if (page && page->window()) {
            ShowWindow(page->window(), page->page() == shown ? SW_SHOW : SW_HIDE);
        }
    }
    currentPage().update(true);
    const WizardHeader header = wizardHeader(shown);
    setItemText(IDC_WIZARD_TITLE, std::string(header.title));
    setItemText(IDC_WIZARD_SUBTITLE, std::string(header.subtitle));
    // The header lines are drawn over the band: the band is drawn anew under them.
    const RECT band = headerBand();
    RedrawWindow(hwnd(), &band, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    showButtons();
}

void WizardFrame::showButtons() {
    enableItem(IDC_WIZARD_BACK, flow_.backEnabled());
    enableItem(IDC_WIZARD_NEXT, flow_.nextEnabled());
    // A button that was disabled while it had the focus leaves the keys nowhere.
    if (GetActiveWindow() == hwnd() && !GetFocus()) {
        SetFocus(item(flow_.nextEnabled() ? IDC_WIZARD_NEXT : IDC_WIZARD_SKIP));
    }
}

void WizardFrame::onCommand(int controlId, int notifyCode) {
    switch (controlId) {
        case IDC_WIZARD_NEXT:
            if (notifyCode == BN_CLICKED) {
                next();
            }
            return;
        case IDC_WIZARD_BACK:
            if (notifyCode == BN_CLICKED) {
                back();
            }
            return;
        case IDC_WIZARD_SKIP:
            askSkip();
            return;
        default:
            break;
    }
    // The keys of table 220 arrive as the main window's commands.
    if (const Command* command = findCommand(static_cast<UINT>(controlId)); command && command->inWizard) {
        command->inWizard(*this);
    }
}

void WizardFrame::editField(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND focus = GetFocus();
    if (isEdit(focus)) {
        SendMessageA(focus, message, wParam, lParam);
    }
}

void WizardFrame::next() {
    const WizardStep step = flow_.next();
    if (step == WizardStep::ShowPage) {
        showPage();
    } else if (step != WizardStep::Stay) {
        finish(step);
    }
}

void WizardFrame::back() {
    flow_.back();
    showPage();
}

void WizardFrame::askSkip() {
    if (flow_.skip(runSkipQuestion(hwnd()))) {
        finish(WizardStep::Stay);
    }
}

void WizardFrame::tab() {
    HWND focus = GetFocus();
    WizardFocus now = WizardFocus::onButton(WizardButton::Back);  // elsewhere: into the page
    for (int i = 0; i < 4; ++i) {
        if (focus && focus == item(kButtonIds[i])) {
            now = WizardFocus::onButton(static_cast<WizardButton>(i));
        }
    }
    const int position = currentPage().tabPosition(focus);
    if (position >= 0) {
        now = WizardFocus::onControl(position);
    }
    const WizardFocus target = flow_.tab(now);
    currentPage().update(false);
    showButtons();
    if (target.inPage) {
        SetFocus(currentPage().tabControl(target.control));
    } else {
        SendMessageA(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item(kButtonIds[static_cast<int>(target.button)])),
                     TRUE);
    }
}

void WizardFrame::finish(WizardStep step) {
    Program& program = program_;
    HWND fileMaker = nullptr;
    if (step == WizardStep::ScriptsMenu) {
        fileMaker = findFileMakerWindow();
        ShowWindow(hwnd(), SW_HIDE);
        prepareFileMaker(flow_, hwnd());
    }
    MainWindow* window = showMainWindow(program);
    if (window) {
        runWizardTask(*window, flow_, step);
    }
    close();
    if (window) {
        bringForward(*window, fileMaker);
    } else {
        PostQuitMessage(0);
    }
}

bool WizardFrame::onCancel() {
    Program& program = program_;
    close();
    if (program.mainWindow) {
        ShowWindow(program.mainWindow->hwnd(), SW_SHOW);
        SetForegroundWindow(program.mainWindow->hwnd());
    } else {
        PostQuitMessage(0);
    }
    return false;
}

void WizardFrame::close() {
    DestroyWindow(hwnd());
}

RECT WizardFrame::headerBand() const {
    RECT band;
    GetClientRect(hwnd(), &band);
    RECT line;
    GetWindowRect(item(IDC_WIZARD_TOP_LINE), &line);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&line), 2);
    band.bottom = line.top;
    return band;
}

void WizardFrame::paintHeader() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd(), &paint);
    const RECT band = headerBand();
    FillRect(dc, &band, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    BITMAP bitmap = {};
    if (header_ && GetObjectA(header_, sizeof bitmap, &bitmap) && bitmap.bmHeight > 0) {
        // At the band's right, as high as the band.
        const int height = band.bottom - band.top;
        const int width = bitmap.bmWidth * height / bitmap.bmHeight;
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(source, header_);
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, band.right - width, band.top, width, height, source, 0, 0, bitmap.bmWidth, bitmap.bmHeight,
                   SRCCOPY);
        SelectObject(source, previous);
        DeleteDC(source);
    }
    EndPaint(hwnd(), &paint);
}

INT_PTR WizardFrame::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            paintHeader();
            return TRUE;
        case WM_CTLCOLORSTATIC: {
            const auto control = reinterpret_cast<HWND>(lParam);
            if (control != item(IDC_WIZARD_TITLE) && control != item(IDC_WIZARD_SUBTITLE)) {
                return FALSE;
            }
            const auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, RGB(0, 0, 0));
            SetBkMode(dc, TRANSPARENT);
            return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
        }
        case WM_DESTROY:
            if (program_.wizardFrame == hwnd()) {
                program_.wizardFrame = nullptr;
            }
            return FALSE;
        case WM_NCDESTROY:
            // The pages have gone with their windows; their fonts go now.
            for (HGDIOBJ object : {static_cast<HGDIOBJ>(titleFont_), static_cast<HGDIOBJ>(subtitleFont_),
                                   static_cast<HGDIOBJ>(pageFonts_.heading), static_cast<HGDIOBJ>(pageFonts_.note),
                                   static_cast<HGDIOBJ>(header_)}) {
                if (object) {
                    DeleteObject(object);
                }
            }
            delete this;
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace tessary
