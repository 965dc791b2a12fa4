// Typing 10,000 characters into a masked edit of 40 positions through the window's
// messages (key down, character, key up each), beside setting each text that typing
// produced on a plain edit with SetWindowText: what the template's bookkeeping costs over
// the window's own text handling.

#include "vornui/edits/CmEdit.h"
#include "vornui/platform/Window.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int kCharacters = 10000;
// Eight groups of digits split by separators: 40 positions, the last one editable, so
// that typing goes round the template again and again.
std::string Mask() {
    std::string mask;
    for (int group = 0; group < 8; ++group) {
        if (group > 0)
            mask += ':';
        for (int digit = 0; digit < (group == 0 ? 5 : 4); ++digit)
            mask += "[0-9]";
    }
    return mask;
}

// A frame with one edit in it, for as long as a benchmark runs.
class EditHost {
public:
    EditHost() {
        m_frame = CreateWindowEx(0, "Static", "", WS_POPUP, 0, 0, 500, 40, nullptr, nullptr,
                                 nullptr, nullptr);
    }
    ~EditHost() { DestroyWindow(m_frame); }
    EditHost(const EditHost&) = delete;
    EditHost& operator=(const EditHost&) = delete;

    HWND Frame() const { return m_frame; }

private:
    HWND m_frame;
};

// The digit typed as character `index`; a masked edit of 40 positions takes them all.
char Typed(int index) {
    return static_cast<char>('0' + (index * 7) % 10);
}

void TypeAll(HWND edit, std::vector<std::string>* texts) {
    for (int index = 0; index < kCharacters; ++index) {
        const char ch = Typed(index);
        SendMessage(edit, WM_KEYDOWN, static_cast<WPARAM>(ch), 1);
        SendMessage(edit, WM_CHAR, static_cast<WPARAM>(ch), 1);
        SendMessage(edit, WM_KEYUP, static_cast<WPARAM>(ch), 1);
        if (texts) {
            char shown[64];
            ::GetWindowText(edit, shown, sizeof shown);
            texts->emplace_back(shown);
        }
    }
}

void OpenMaskedEdit(const EditHost& host, CmEdit& edit) {
    edit.Create(WS_VISIBLE, CRect(0, 0, 480, 24), CWnd::FromHandle(host.Frame()), 1);
    edit.SetMask(Mask().c_str());
    edit.SetSel(0, 0);
}

// The texts the masked edit shows after each character typed.
const std::vector<std::string>& TypedTexts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> shown;
        const EditHost host;
        CmEdit edit;
        OpenMaskedEdit(host, edit);
        TypeAll(edit.m_hWnd, &shown);
        return shown;
    }();
    return texts;
}

void BM_TypeIntoMaskedEdit(benchmark::State& state) {
    const EditHost host;
    CmEdit edit;
    OpenMaskedEdit(host, edit);
    for (auto _ : state)
        TypeAll(edit.m_hWnd, nullptr);
    state.SetItemsProcessed(state.iterations() * kCharacters);
}
BENCHMARK(BM_TypeIntoMaskedEdit)->Unit(benchmark::kMillisecond);

void BM_SetWindowTextPlainEdit(benchmark::State& state) {
    const std::vector<std::string>& texts = TypedTexts();
    const EditHost host;
    const HWND edit = CreateWindowEx(0, "Edit", "", WS_CHILD | WS_VISIBLE, 0, 0, 480, 24,
                                     host.Frame(), nullptr, nullptr, nullptr);
    for (auto _ : state)
        for (const std::string& text : texts)
            ::SetWindowText(edit, text.c_str());
    state.SetItemsProcessed(state.iterations() * kCharacters);
}
BENCHMARK(BM_SetWindowTextPlainEdit)->Unit(benchmark::kMillisecond);

} // namespace
