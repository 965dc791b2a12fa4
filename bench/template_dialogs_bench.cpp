// Opening the tide template dialog on a million-line tide file until its preview is
// filled (every record a row), beside CTideHandler::LoadTide of the same file through the
// same template: the dialog reads the file as the loader does and adds a row per record,
// whose texts the list asks the dialog for when they are read or painted. The clock stops
// when the dialog first waits for the user, the preview filled; reading the last row back
// (to show that every row is there) and closing the dialog are not timed.
//
// The program runs from a copy inside a temporary installation (bench/BenchInstallation.h),
// which holds the template store. Arguments: 0 with TZ unset, 1 with TZ set to a zone with
// daylight saving.
#include "bench/BenchInstallation.h"
#include "bench/TideBenchFiles.h"

#include "vornui/platform/DesktopUser.h"
#include "vornui/platform/ListCtrl.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/platform/Window.h"
#include "vornui/resources/TemplateDialogIds.h"
#include "vornui/templates/TideDialogTemplate.h"
#include "vornui/templates/TideHandler.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <ctime>

namespace {

// Both texts of the preview's last row, as a reader gets them.
bool LastRowReads(HWND list) {
    const auto last = SendMessage(list, LVM_GETITEMCOUNT, 0, 0) - 1;
    for (int column = 0; column < 2; ++column) {
        char text[64] = "";
        LVITEM item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        if (last < 0 || SendMessage(list, LVM_GETITEMTEXT, static_cast<WPARAM>(last),
                                    reinterpret_cast<LPARAM>(&item)) == 0)
            return false;
    }
    return true;
}

void TideDialogPreview(benchmark::State& state) {
    UseTimeZone(state);
    WriteTideTemplate();
    const std::string& file = TideFile();
    int64_t rows = 0;
    for (auto _ : state) {
        CScriptedUser user;
        user.Then([&rows, &state](HWND dialog) {
                state.PauseTiming();
                const HWND list = GetDlgItem(dialog, IDC_TEMPLATE_PREVIEW);
                if (LastRowReads(list))
                    rows += SendMessage(list, LVM_GETITEMCOUNT, 0, 0);
                return ModalAction::Acted;
            })
            .Click(IDCANCEL);
        {
            CTideDialogTemplate dialog;
            dialog.m_strFileName = file.c_str();
            dialog.m_strTemplateName = kTemplateName;
            dialog.DoModal();
        }
        state.ResumeTiming();
    }
    if (rows != state.iterations() * kLines)
        state.SkipWithError("the preview does not show every record, or its rows do not read");
    SetRecordCounter(state, rows);
}
BENCHMARK(TideDialogPreview)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void TideLoadOfTheSameFile(benchmark::State& state) {
    UseTimeZone(state);
    WriteTideTemplate();
    const std::string& file = TideFile();
    int64_t records = 0;
    for (auto _ : state) {
        CTideHandler tide;
        records += tide.LoadTide(kTemplateName, file.c_str());
        benchmark::DoNotOptimize(tide.GetSample(kLines / 2));
    }
    SetRecordCounter(state, records);
}
BENCHMARK(TideLoadOfTheSameFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    EnterBenchInstallation(argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
