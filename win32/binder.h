// The binder: walks the model's fields, knows the control (or menu item)
// that shows each, mirrors the field's state into it and forwards a
// person's actions into the model. One small FieldBinder per control kind
// does the work. While a binder pushes state into its control, the
// control's own notifications are ignored, so nothing echoes back.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "window/fields.h"

namespace vellwin {

struct BindContext {
    // The key preview of the form: the character to insert (0: dropped).
    std::function<int(vell::Field&, int keyAscii)> previewKey;
    // A bound control received the keyboard input.
    std::function<void(vell::Field&)> focusIn;
    // Runs after each action forwarded into the model.
    std::function<void()> afterAction;
    // Runs an action once the message being handled has ended.
    std::function<void(std::function<void()>)> later;
    // The tooltip control of the window (none: no tooltips).
    HWND tooltip = nullptr;
};

// Binds one field to one control or menu item.
class FieldBinder {
public:
    FieldBinder(vell::Field& field, HWND hwnd, const BindContext& context);
    virtual ~FieldBinder();
    FieldBinder(const FieldBinder&) = delete;
    FieldBinder& operator=(const FieldBinder&) = delete;

    vell::Field& field() const { return field_; }
    HWND hwnd() const { return hwnd_; }

    // Model to control: the state shared by all kinds, then the kind's own.
    void mirror();
    // A notification of the control (WM_COMMAND's code, or WM_NOTIFY).
    virtual void command(int code) { (void)code; }
    virtual LRESULT notify(const NMHDR& header) {
        (void)header;
        return 0;
    }

protected:
    virtual void mirrorOwn() = 0;
    // Runs a person's action on the model, then mirrors this field again
    // (the control may have changed itself, the model may have refused).
    void forward(const std::function<void()>& action);
    // Puts a character that the key preview replaced into the control.
    virtual void insertCharacter(int keyAscii) { (void)keyAscii; }
    // Whether Enter, passed by the key preview, goes on into the control.
    virtual bool takesEnter() const { return false; }
    // Whether the field's visible state is this control's to follow.
    virtual bool followsVisible() const { return true; }
    // The key preview and the keyboard input watch this window.
    void watch(HWND window);
    // Notifications of the control are the binder's own echo while pushing.
    bool pushing() const { return pushing_ > 0; }
    class Push {
    public:
        explicit Push(FieldBinder& binder) : binder_(binder) { ++binder_.pushing_; }
        ~Push() { --binder_.pushing_; }
        Push(const Push&) = delete;
        Push& operator=(const Push&) = delete;

    private:
        FieldBinder& binder_;
    };

    vell::Field& field_;
    HWND hwnd_;
    const BindContext& context_;

private:
    static LRESULT CALLBACK watchProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self);
    void mirrorTooltip();
    int pushing_ = 0;
    std::vector<HWND> watched_;
    std::wstring tip_;
    bool tipAdded_ = false;
};

class Binder {
public:
    explicit Binder(BindContext context);
    ~Binder();
    Binder(const Binder&) = delete;
    Binder& operator=(const Binder&) = delete;

    // Binds a field to its control: the binder of the control's kind. False
    // when the control cannot show the field.
    bool bind(vell::Field& field, HWND control);
    // Binds a menu item: the item at position of menu, choosing it sends
    // the command id (0 for an item that opens a menu).
    void bindMenu(vell::MenuItem& item, HMENU menu, UINT position, UINT id, HWND owner);
    // A frame: the window that holds its fields, and the group box that
    // draws its border and caption (none for a frame without border).
    void bindFrame(vell::Frame& frame, HWND panel, HWND groupBox, bool followsVisible);

    void mirrorAll();
    FieldBinder* binderOf(const vell::Field* field) const;
    HWND windowOf(const vell::Field* field) const;
    // The control of the field of that name (the tests drive them so).
    HWND windowOf(std::string_view name) const;

    // WM_COMMAND and WM_NOTIFY of a bound control or menu item: true when
    // one of them took it.
    bool command(UINT id, int code);
    bool notify(const NMHDR& header, LRESULT& result);

    // Whether a field is shown by a control at all (working fields and the
    // dialog component are not).
    static bool hasWindow(const vell::Field& field);

private:
    void add(std::unique_ptr<FieldBinder> binder, UINT id);

    BindContext context_;
    std::vector<std::unique_ptr<FieldBinder>> binders_;
    std::unordered_map<const vell::Field*, FieldBinder*> byField_;
    std::map<std::string, FieldBinder*, std::less<>> byName_;
    std::unordered_map<UINT, FieldBinder*> byId_;
    // Expires with the binder: the model's observers outlive it.
    std::shared_ptr<int> alive_;
};

}  // namespace vellwin
