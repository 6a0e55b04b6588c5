// A modal dialog made from a dialog resource of the program, bound to its object: `this` travels
// to WM_INITDIALOG in lParam and is kept in DWLP_USER, so the dialog procedure is one static
// function that forwards to the object. No exception leaves it: one that reaches it is shown in
// the application's exception box.
//
//   class TfSample : public TDialog {
//   public:
//       TfSample() : TDialog(IDD_SAMPLE) {}
//   protected:
//       bool FormCreate() override { SetItemText(IDC_NAME, "Sample"); return true; }
//       bool Command(int id, int, HWND) override { if (id == IDOK) EndModal(IDOK); return id == IDOK; }
//   };
//   TfSample dialog;
//   INT_PTR result = dialog.ShowModal(owner);   // IDOK, IDCANCEL (Esc, Cancel, the close box)
#pragma once

#include <windows.h>

#include <string>

// A control of the dialog or of one of its pages (child dialogs); null when there is none.
HWND FindDialogItem(HWND dialog, int id);

class TDialog {
public:
    explicit TDialog(int templateId) : templateId(templateId) {}
    virtual ~TDialog() = default;
    TDialog(const TDialog&) = delete;
    TDialog& operator=(const TDialog&) = delete;

    // Runs the dialog until EndModal; returns its result. Raises std::runtime_error when the
    // dialog cannot be made (its resource is missing).
    INT_PTR ShowModal(HWND owner);
    void EndModal(INT_PTR result) { ::EndDialog(window, result); }

    HWND Handle() const { return window; }
    HWND Owner() const { return owner; }
    // A control of the dialog or of one of its child dialogs (the pages), by id.
    HWND Item(int id) const;
    std::string ItemText(int id) const;
    void SetItemText(int id, const std::string& text) const { ::SetWindowTextA(Item(id), text.c_str()); }
    bool Checked(int id) const { return ::SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    void SetChecked(int id, bool checked) const
    {
        ::SendMessageA(Item(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }

    // Questions that pages ask the dialog holding them (see CreateChildPage): kPageColour is
    // WM_CTLCOLORSTATIC (answer a brush, or 0 for the page's own), kPageCursor is WM_SETCURSOR
    // (answer nonzero when the cursor was set).
    static constexpr UINT kPageColour = WM_APP + 20;
    static constexpr UINT kPageCursor = WM_APP + 21;

    // Places the dialog over the middle of its owner (or of the owner's monitor, without an owner),
    // kept inside the work area of that monitor.
    void CenterOverOwner() const;

protected:
    // WM_INITDIALOG; true lets the system focus the first control.
    virtual bool FormCreate() { return true; }
    // WM_COMMAND from a control, a menu item or an accelerator; true when handled. IDCANCEL that
    // is not handled ends the dialog with IDCANCEL.
    virtual bool Command(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
    // Any other message; true when handled, with `result` as the dialog procedure's answer.
    virtual bool Message(UINT /*message*/, WPARAM, LPARAM, INT_PTR& /*result*/) { return false; }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    int templateId;
    HWND window = nullptr;
    HWND owner = nullptr;
};

// A child dialog (a page inside a page control) whose commands and notifications go to the
// dialog that holds it; made from the resource `templateId` as a hidden child of `parent`.
HWND CreateChildPage(HWND parent, int templateId);
