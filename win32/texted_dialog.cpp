#include "texted_dialog.h"

#include <memory>

#include "binder.h"
#include "dialog_template.h"
#include "win_text.h"
#include "window/frm_texted.h"

namespace vellwin {

namespace {

// The dialog's controls, each named by its field: the folder's path on top,
// title and description, then the two buttons.
struct Item {
    const char* field;
    const wchar_t* kind;
    DWORD style;
    short x, y, width, height;
};
constexpr Item kItems[] = {
    {"Label1", L"STATIC", SS_LEFT | SS_NOPREFIX, 7, 7, 286, 18},
    {"Label2", L"STATIC", SS_LEFT, 7, 30, 60, 9},
    {"Text1", L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER, 70, 28, 223, 14},
    {"Label3", L"STATIC", SS_LEFT, 7, 50, 60, 9},
    {"Text2", L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER, 70, 48, 223, 14},
    {"Command1", L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 189, 72, 50, 14},
    {"Command2", L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 243, 72, 50, 14},
};
constexpr WORD kFirstId = 200;

struct Session {
    vell::Frm_TEXTED& model;
    HWND dialog = nullptr;
    std::unique_ptr<Binder> binder;
    vell::Field* focused = nullptr;
};

void endIfHidden(Session& session) {
    if (!session.model.shown() && session.dialog) EndDialog(session.dialog, IDCANCEL);
}

void bindFields(Session& session) {
    BindContext context;
    // The dialog has no key preview of its own: the field's handler.
    context.previewKey = [](vell::Field& field, int keyAscii) {
        field.raiseKeyPress(keyAscii);
        return keyAscii;
    };
    context.focusIn = [&session](vell::Field& field) {
        if (session.focused == &field) return;
        vell::Field* left = session.focused;
        session.focused = &field;
        if (left) left->raiseLostFocus();
    };
    context.afterAction = [&session] { endIfHidden(session); };
    session.binder = std::make_unique<Binder>(std::move(context));
    for (WORD i = 0; i < std::size(kItems); ++i) {
        if (vell::Field* field = session.model.find(kItems[i].field))
            session.binder->bind(*field, GetDlgItem(session.dialog, kFirstId + i));
    }
    session.binder->mirrorAll();
}

INT_PTR CALLBACK textedProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* session = reinterpret_cast<Session*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (msg) {
    case WM_INITDIALOG:
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        session = reinterpret_cast<Session*>(lParam);
        session->dialog = dialog;
        bindFields(*session);
        endIfHidden(*session);
        return TRUE;
    case WM_COMMAND:
        // Enter presses no button: the buttons act through the model alone.
        if (LOWORD(wParam) == IDOK) return TRUE;
        if (LOWORD(wParam) == IDCANCEL) {
            if (session->model.shown()) session->model.hide();
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        if (session->binder->command(LOWORD(wParam), HIWORD(wParam))) return TRUE;
        break;
    case WM_DESTROY:
        if (session) session->binder.reset();
        break;
    default:
        break;
    }
    return FALSE;
}

}  // namespace

void runTextedDialog(HWND owner, vell::Frm_TEXTED& model) {
    if (!model.shown()) return;
    DialogTemplate form(toWide(model.caption), 300, 93);
    for (WORD i = 0; i < std::size(kItems); ++i) {
        const Item& item = kItems[i];
        form.add(item.kind, L"", static_cast<WORD>(kFirstId + i), item.style, item.x, item.y,
                 item.width, item.height);
    }
    Session session{model, nullptr, {}, nullptr};
    form.run(owner, textedProc, reinterpret_cast<LPARAM>(&session));
}

}  // namespace vellwin
