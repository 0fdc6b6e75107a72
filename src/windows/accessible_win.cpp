#include "windows/accessible_win.h"

#include <ole2.h>
#include <oleacc.h>

#include <optional>
#include <utility>

#include "base/lazy_library_win.h"
#include "windows/control_hook_win.h"
#include "windows/dialog_layout_win.h"

namespace marvix {

namespace {

// Handing an object to another process marshals it, which needs COM on this thread: the window
// thread joins a single-threaded apartment at the first question and stays in it, so the calls
// that come back arrive as its messages.
bool ComReady() {
    static const bool ready = [] {
        const auto initialise =
            LazyFunction<decltype(&CoInitializeEx)>("ole32.dll", "CoInitializeEx");
        return initialise && SUCCEEDED(initialise(nullptr, COINIT_APARTMENTTHREADED));
    }();
    return ready;
}

HRESULT NewString(const std::string& text, BSTR* out) {
    static const auto allocate =
        LazyFunction<decltype(&SysAllocStringLen)>("oleaut32.dll", "SysAllocStringLen");
    *out = nullptr;
    if (!allocate) return E_OUTOFMEMORY;
    // The names are in the ANSI code page, as every text of this program is.
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    *out = allocate(nullptr, UINT(length));
    if (!*out) return E_OUTOFMEMORY;
    MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), *out, length);
    return S_OK;
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// The standard object, with our facts in front of it. Each answer to WM_GETOBJECT makes a new
// one, holding the facts as they were; a client asks again when told of a change.
class DescribedObject final : public IAccessible, public IOleWindow {
public:
    DescribedObject(HWND window, IAccessible* standard, AccessibleFacts facts)
        : window_(window), standard_(standard), facts_(std::move(facts)) {}
    DescribedObject(const DescribedObject&) = delete;
    DescribedObject& operator=(const DescribedObject&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
        if (!out) return E_POINTER;
        if (id == IID_IUnknown || id == IID_IDispatch || id == IID_IAccessible) {
            *out = static_cast<IAccessible*>(this);
        } else if (id == IID_IOleWindow) {
            *out = static_cast<IOleWindow*>(this);
        } else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return ULONG(left);
    }

    // IOleWindow: WindowFromAccessibleObject asks for the window.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        *window = window_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IDispatch: clients call the interface directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible: our facts about the window itself, the standard object's for the rest.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (IsSelf(child)) return NewString(facts_.name, name);
        return Standard() ? standard_->get_accName(child, name) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (IsSelf(child) && facts_.role) {
            role->vt = VT_I4;
            role->lVal = facts_.role;
            return S_OK;
        }
        return Standard() ? standard_->get_accRole(child, role) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        if (IsSelf(child) && !facts_.description.empty())
            return NewString(facts_.description, text);
        return Standard() ? standard_->get_accDescription(child, text) : E_INVALIDARG;
    }
    // A push button we draw ourselves is pressed as a click presses it.
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        if (IsSelf(child) && facts_.role == ROLE_SYSTEM_PUSHBUTTON)
            return NewString("Press", action);
        return Standard() ? standard_->get_accDefaultAction(child, action) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (IsSelf(child) && facts_.role == ROLE_SYSTEM_PUSHBUTTON) {
            PostMessageA(window_, BM_CLICK, 0, 0);
            return S_OK;
        }
        return Standard() ? standard_->accDoDefaultAction(child) : E_INVALIDARG;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return Standard() ? standard_->get_accParent(parent) : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return Standard() ? standard_->get_accChildCount(count) : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return Standard() ? standard_->get_accChild(child, object) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return Standard() ? standard_->get_accValue(child, value) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return Standard() ? standard_->get_accState(child, state) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return Standard() ? standard_->get_accHelp(child, help) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return Standard() ? standard_->get_accHelpTopic(file, child, topic) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* keys) override {
        return Standard() ? standard_->get_accKeyboardShortcut(child, keys) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return Standard() ? standard_->get_accFocus(child) : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return Standard() ? standard_->get_accSelection(children) : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE accSelect(long how, VARIANT child) override {
        return Standard() ? standard_->accSelect(how, child) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return Standard() ? standard_->accLocation(left, top, width, height, child) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return Standard() ? standard_->accNavigate(direction, start, end) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        return Standard() ? standard_->accHitTest(x, y, child) : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return Standard() ? standard_->put_accValue(child, value) : E_INVALIDARG;
    }

private:
    ~DescribedObject() {
        if (standard_) standard_->Release();
    }
    bool Standard() const { return standard_ != nullptr; }

    LONG references_ = 1;
    HWND window_;
    IAccessible* standard_;  // owned; nullptr when Windows made none
    AccessibleFacts facts_;
};

}  // namespace

LRESULT AnswerGetObject(HWND window, WPARAM wParam, LPARAM lParam, const AccessibleFacts& facts) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT || !ComReady()) return 0;
    static const auto answer =
        LazyFunction<decltype(&LresultFromObject)>("oleacc.dll", "LresultFromObject");
    static const auto standard = LazyFunction<decltype(&CreateStdAccessibleObject)>(
        "oleacc.dll", "CreateStdAccessibleObject");
    if (!answer) return 0;
    IAccessible* standardObject = nullptr;
    if (!standard || FAILED(standard(window, OBJID_CLIENT, IID_IAccessible,
                                     reinterpret_cast<void**>(&standardObject)))) {
        standardObject = nullptr;
    }
    auto* object = new DescribedObject(window, standardObject, facts);
    // LresultFromObject holds its own reference until the client takes the object.
    const LRESULT result = answer(IID_IAccessible, wParam, static_cast<IAccessible*>(object));
    object->Release();
    return result < 0 ? 0 : result;
}

LRESULT AnswerAsAlert(HWND window, WPARAM wParam, LPARAM lParam, const std::string& words) {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT) return 0;
    return AnswerGetObject(window, wParam, lParam,
                           {.role = ROLE_SYSTEM_ALERT, .name = WindowText(window) + ": " + words});
}

void AnnounceNameChange(HWND window) {
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
}

void DescribeControl(HWND control, AccessibleFacts facts) {
    HookControl(control, "accessible",
                [facts = std::move(facts)](HWND self, UINT message, WPARAM wParam,
                                           LPARAM lParam) -> std::optional<LRESULT> {
                    if (message != WM_GETOBJECT) return std::nullopt;
                    if (const LRESULT answer = AnswerGetObject(self, wParam, lParam, facts))
                        return answer;
                    return std::nullopt;
                });
}

}  // namespace marvix
