// The tide and CTD template dialogs, worked by the scripted user on a template store in a
// temporary installation, with a stand-in for the template editor.

#include "tests/ScopedTimeZone.h"
#include "tests/TestWindowClass.h"

#include "vornui/platform/ButtonControl.h"
#include "vornui/platform/FileChooser.h"
#include "vornui/platform/MessageBox.h"
#include "vornui/resources/TemplateDialogIds.h"
#include "vornui/templates/CTDDialogTemplate.h"
#include "vornui/templates/TemplateDialogs_test.h"
#include "vornui/templates/TideDialogTemplate.h"
#include "vornui/templates/TideHandler.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sys/stat.h>

namespace {

constexpr char kNoValidRecords[] = "No valid records! Please choose another template.";
constexpr UINT kWatched = WM_APP + 24;

// Whether the stand-in editor's new template had been saved when a message posted to the
// watcher window was dispatched.
bool g_bSavedWhenDispatched = false;

LRESULT CALLBACK WatchSaving(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kWatched)
        return DefWindowProc(hwnd, message, wParam, lParam);
    g_bSavedWhenDispatched = std::filesystem::exists(StoreFile("TERRAL_TIDE", "Fresh gauge.aft"));
    return 0;
}

TEST(CTideDialogTemplate, PreviewsEveryRecordAndFollowsTheUsersChoices) {
    RunInInstallation([] {
        ScopedTimeZone zone("UTC0");
        WriteTideMeta();
        SaveNumberTemplate("TERRAL_TIDE", "Gauge");
        SaveNumberTemplate("TERRAL_TIDE", "Gauge halved", 0.5);
        const std::string fifty = WriteDataFile("fifty lines.txt", TideLines(50));
        const std::string ten = WriteDataFile("ten lines.dat", TideLines(10));

        CScriptedUser user;
        Rows first, chosen, opened;
        std::vector<std::string> titles;
        std::string status, shownFile, openedFile;
        user.Then(Look([&](HWND dialog) {
                first = PreviewRows(dialog, IDC_TEMPLATE_PREVIEW);
                titles = ColumnTitles(dialog, IDC_TEMPLATE_PREVIEW);
                status = TextOf(dialog, IDC_TEMPLATE_STATUS);
                shownFile = TextOf(dialog, IDC_TEMPLATE_FILENAME);
            }))
            .Choose(IDC_TEMPLATE_LIST, "Gauge halved")
            .Then(Look([&](HWND dialog) { chosen = PreviewRows(dialog, IDC_TEMPLATE_PREVIEW); }))
            .Then([&](HWND) {
                user.AnswerNextFileChooser(ten.c_str());
                return ModalAction::Acted;
            })
            .Click(IDC_TEMPLATE_OPEN)
            .Then(Look([&](HWND dialog) {
                opened = PreviewRows(dialog, IDC_TEMPLATE_PREVIEW);
                openedFile = TextOf(dialog, IDC_TEMPLATE_FILENAME);
            }))
            .Click(IDOK);
        CTideDialogTemplate dialog;
        dialog.m_strFileName = fifty.c_str();
        dialog.m_strTemplateName = "Gauge";
        ASSERT_EQ(dialog.DoModal(), IDOK);

        EXPECT_EQ(user.DialogsShown().front(), CString("Choose Tide Template..."));
        EXPECT_EQ(shownFile, fifty);
        EXPECT_EQ(titles, (std::vector<std::string>{"TimeDate", "Tide (m, up+)"}));
        ASSERT_EQ(first.size(), 50u);
        EXPECT_EQ(first[0], (std::vector<std::string>{"29/02/24 12:00", "0.00"}));
        EXPECT_EQ(first[49], (std::vector<std::string>{"29/02/24 20:10", "0.49"}));
        EXPECT_EQ(status, "OK");
        ASSERT_EQ(chosen.size(), 50u);
        EXPECT_EQ(chosen[49][1], "0.24"); // the halved template's level
        ASSERT_EQ(opened.size(), 10u);
        EXPECT_EQ(openedFile, ten);

        // The chooser offers the data files first and needs an existing file.
        ASSERT_EQ(user.FileChoosersShown().size(), 1u);
        const FileChooserRequest& chooser = user.FileChoosersShown()[0];
        EXPECT_FALSE(chooser.save);
        ASSERT_EQ(chooser.filters.size(), 2u);
        EXPECT_EQ(chooser.filters[0].first, CString("Data files (*.txt;*.dat;*.csv)"));
        EXPECT_EQ(chooser.filters[1].second, CString("*.*"));
        EXPECT_NE(chooser.flags & OFN_FILEMUSTEXIST, 0u);

        EXPECT_EQ(dialog.m_strTemplateName, CString("Gauge halved"));
        EXPECT_EQ(dialog.m_strFileName, CString(ten.c_str()));
        CString path;
        dialog.GetAbsoluteTemplatePath(path);
        EXPECT_EQ(path, CString(StoreFile("TERRAL_TIDE", "Gauge halved.aft").c_str()));
        EXPECT_TRUE(user.MessageBoxesShown().empty());
    });
}

// Each row shows the record's time as the system writes it in local time, and its level as
// printf writes it: times from before 1970 (in zones west of UTC) to the year 3000, and
// every minute around a change to and from summer time.
TEST(CTideDialogTemplate, RowsAreTheSystemsTextsInAnyZone) {
    RunInInstallation([] {
        WriteTideMeta();
        SaveNumberTemplate("TERRAL_TIDE", "Gauge");
        std::mt19937 random(31);
        std::vector<std::pair<double, double>> records;
        for (int line = 0; line < 1000; ++line)
            records.emplace_back((static_cast<int>(random() % 377000) - 1) +
                                     random() % 86400 / 86400.0,
                                 (static_cast<int>(random() % 20001) - 10000) / 1000.0);
        for (int hour = 0; hour < 48; ++hour) // the last day of 1969 and the first of 1970
            records.emplace_back(hour / 24.0 - 1, hour);
        for (int minute = 0; minute < 240; ++minute)
            for (const double day : {19813.0, 20026.0}) // 31 March and 27 October 2024
                records.emplace_back(day + minute / 1440.0, minute / 8.0);
        std::string lines;
        char line[96];
        for (auto& [dayNumber, level] : records) {
            std::snprintf(line, sizeof line, "%.9f,%.3f\r\n", dayNumber, level);
            lines += line;
            std::sscanf(line, "%lf,%lf", &dayNumber, &level);
        }
        const std::string data = WriteDataFile("times.txt", lines);

        for (const char* name :
             {"UTC0", "Europe/Amsterdam", "America/St_Johns", "America/New_York"}) {
            ScopedTimeZone zone(name);
            CScriptedUser user;
            Rows rows;
            user.Then(Look([&](HWND dialog) { rows = PreviewRows(dialog, IDC_TEMPLATE_PREVIEW); }))
                .Click(IDCANCEL);
            CTideDialogTemplate dialog;
            dialog.m_strFileName = data.c_str();
            dialog.m_strTemplateName = "Gauge";
            dialog.DoModal();
            ASSERT_EQ(rows.size(), records.size()) << name;
            for (size_t row = 0; row < rows.size(); ++row) {
                const auto [dayNumber, level] = records[row];
                char text[32];
                std::snprintf(text, sizeof text, "%.2f", level);
                const CString time =
                    CTideHandler::AsciiTime2CTime(dayNumber, 1970).Format("%d/%m/%y %H:%M");
                ASSERT_EQ(rows[row], (std::vector<std::string>{time.GetString(), text}))
                    << name << " day number " << dayNumber;
            }
        }
    });
}

// The tide dialog, telling which cells of its preview the list asked it for.
class WatchedTideDialog : public CTideDialogTemplate {
public:
    std::vector<std::pair<int, int>> asked;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_TEMPLATE_PREVIEW && header->code == LVN_GETDISPINFO) {
            const LVITEM& item = reinterpret_cast<const NMLVDISPINFO*>(lParam)->item;
            asked.emplace_back(item.iItem, item.iSubItem);
        }
        return CTideDialogTemplate::OnNotify(wParam, lParam, result);
    }
};

// Every row reads back as the system writes its record, a level of three hundred digits
// whole; filling the preview paints it once at most, so that only the rows on show are
// written, and scrolling to the end writes the rows shown there.
TEST(CTideDialogTemplate, RowsAreWrittenWhenReadOrShown) {
    RunInInstallation([] {
        ScopedTimeZone zone("Europe/Amsterdam");
        WriteTideMeta();
        SaveNumberTemplate("TERRAL_TIDE", "Gauge");
        const std::string huge = "1" + std::string(299, '0');
        const std::string data =
            WriteDataFile("fifty.txt", TideLines(49) + "19783.25," + huge + "\r\n");

        CScriptedUser user;
        Rows rows;
        size_t askedWhenOpened = 0;
        int perPage = 0;
        std::vector<std::pair<int, int>> askedAtTheEnd;
        WatchedTideDialog dialog;
        user.Then(Look([&](HWND window) {
                const HWND list = GetDlgItem(window, IDC_TEMPLATE_PREVIEW);
                UpdateWindow(window);
                askedWhenOpened = dialog.asked.size();
                perPage = static_cast<int>(SendMessage(list, LVM_GETCOUNTPERPAGE, 0, 0));
                rows = PreviewRows(window, IDC_TEMPLATE_PREVIEW);
                dialog.asked.clear();
                SendMessage(list, LVM_ENSUREVISIBLE, 49, FALSE);
                UpdateWindow(list);
                askedAtTheEnd = dialog.asked;
            }))
            .Click(IDCANCEL);
        dialog.m_strFileName = data.c_str();
        dialog.m_strTemplateName = "Gauge";
        dialog.DoModal();

        ASSERT_EQ(rows.size(), 50u);
        for (size_t row = 0; row < rows.size(); ++row) {
            // The numbers as the lines give them.
            const auto given = [](double value) {
                return std::strtod(std::to_string(value).c_str(), nullptr);
            };
            const double level = row < 49 ? given(static_cast<double>(row) / 100)
                                          : std::strtod(huge.c_str(), nullptr);
            char text[512];
            std::snprintf(text, sizeof text, "%.2f", level);
            const double dayNumber =
                row < 49 ? given(19782.5 + static_cast<double>(row) / 144) : 19783.25;
            const CString time =
                CTideHandler::AsciiTime2CTime(dayNumber, 1970).Format("%d/%m/%y %H:%M");
            EXPECT_EQ(rows[row], (std::vector<std::string>{time.GetString(), text})) << row;
        }
        EXPECT_EQ(rows[49][1].size(), 303u);

        ASSERT_GT(perPage, 0);
        EXPECT_LE(askedWhenOpened, static_cast<size_t>(2 * (perPage + 1)));
        EXPECT_LT(askedWhenOpened, 100u);
        const auto last = [](int column) { return std::make_pair(49, column); };
        EXPECT_NE(std::find(askedAtTheEnd.begin(), askedAtTheEnd.end(), last(0)),
                  askedAtTheEnd.end());
        EXPECT_NE(std::find(askedAtTheEnd.begin(), askedAtTheEnd.end(), last(1)),
                  askedAtTheEnd.end());
    });
}

TEST(CTideDialogTemplate, NewEditAndDeleteRunTheEditorAndListAgain) {
    RunInInstallation([] {
        WriteTideMeta();
        SaveNumberTemplate("TERRAL_TIDE", "Gauge");
        InstallFormatWizard();
        const std::string arguments = TestInstallationFolder() + "/arguments";
        SetEnvironmentVariable("FORMATWIZARD_ARGS", arguments.c_str());
        SetEnvironmentVariable("FORMATWIZARD_NEW_NAME", "Fresh gauge");
        SetEnvironmentVariable("FORMATWIZARD_DELAY_MS", "300");
        // The editor works 300 ms before it saves: the new template is listed only because
        // the dialog waited for it. A name a shell would take apart reaches it as it is.
        const std::string data = WriteDataFile("a;b $(x).txt", TideLines(5));

        // A message posted while the editor works waits in the queue until it has ended.
        const HWND watcher =
            CreateWindowEx(0, TestWindowClass("template editor watcher", WatchSaving), "", WS_POPUP,
                           0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        std::thread poster;
        CScriptedUser user;
        std::vector<std::string> afterNew, newArguments, editArguments, afterDelete, afterFailure;
        user.Then([&](HWND) {
                poster = std::thread([&] {
                    if (WaitForFile(arguments))
                        PostMessage(watcher, kWatched, 0, 0);
                });
                return ModalAction::Acted;
            })
            .Click(IDC_TEMPLATE_NEW)
            .Then(Look([&](HWND dialog) {
                afterNew = ListBoxEntries(dialog, IDC_TEMPLATE_LIST);
                newArguments = EditorArguments(arguments, 1);
                std::filesystem::remove(arguments);
            }))
            .Choose(IDC_TEMPLATE_LIST, "Gauge")
            .Click(IDC_TEMPLATE_EDIT)
            .Then(Look([&](HWND) { editArguments = EditorArguments(arguments, 1); }))
            .Choose(IDC_TEMPLATE_LIST, "Fresh gauge")
            .Then([&](HWND) {
                user.AnswerNextMessageBox(IDOK);
                return ModalAction::Acted;
            })
            .Click(IDC_TEMPLATE_DELETE)
            .Then(Look([&](HWND dialog) {
                afterDelete = ListBoxEntries(dialog, IDC_TEMPLATE_LIST);
                // An editor that fails at once saves nothing; the list is made again.
                SetEnvironmentVariable("FORMATWIZARD_EXIT", "3");
                SetEnvironmentVariable("FORMATWIZARD_NEW_NAME", "Never saved");
            }))
            .Click(IDC_TEMPLATE_NEW)
            .Then(Look(
                [&](HWND dialog) { afterFailure = ListBoxEntries(dialog, IDC_TEMPLATE_LIST); }))
            .Click(IDCANCEL);
        CTideDialogTemplate dialog;
        dialog.m_strFileName = data.c_str();
        dialog.DoModal();

        poster.join();
        DestroyWindow(watcher);
        EXPECT_TRUE(g_bSavedWhenDispatched);
        EXPECT_EQ(afterNew, (std::vector<std::string>{"Fresh gauge", "Gauge"}));
        EXPECT_EQ(newArguments, (std::vector<std::string>{"/m", "TERRAL_TIDE", "/e", data}));
        EXPECT_EQ(editArguments,
                  (std::vector<std::string>{"/m", "TERRAL_TIDE", "/e", data, "/t", "Gauge"}));
        ASSERT_EQ(user.MessageBoxesShown().size(), 1u);
        EXPECT_STREQ(user.MessageBoxesShown()[0].text, "Delete template Fresh gauge?");
        EXPECT_EQ(user.MessageBoxesShown()[0].type,
                  static_cast<UINT>(MB_OKCANCEL | MB_ICONQUESTION));
        EXPECT_EQ(afterDelete, (std::vector<std::string>{"Gauge"}));
        EXPECT_FALSE(std::filesystem::exists(StoreFile("TERRAL_TIDE", "Fresh gauge.aft")));
        EXPECT_EQ(afterFailure, (std::vector<std::string>{"Gauge"}));
        EXPECT_EQ(user.MessageBoxesShown().size(), 1u);
        // The editor was reaped without a SIGCHLD handler of the library's.
        struct sigaction child {};
        sigaction(SIGCHLD, nullptr, &child);
        EXPECT_EQ(child.sa_handler, SIG_DFL);
    });
}

TEST(CTideDialogTemplate, PreselectionIgnoresCaseAndAnEmptyFileNameDisablesTheControls) {
    RunInInstallation([] {
        WriteTideMeta();
        SaveNumberTemplate("TERRAL_TIDE", "Tide1");
        SaveNumberTemplate("TERRAL_TIDE", "Tide2");
        const std::string data = WriteDataFile("tide.txt", TideLines(3));

        CScriptedUser user;
        std::string selected;
        Rows rows;
        user.Then(Look([&](HWND dialog) {
                selected = SelectedEntry(dialog, IDC_TEMPLATE_LIST);
                rows = PreviewRows(dialog, IDC_TEMPLATE_PREVIEW);
            }))
            .Click(IDCANCEL);
        CTideDialogTemplate preselected;
        preselected.m_strFileName = data.c_str();
        preselected.m_strTemplateName = "TIDE1";
        preselected.DoModal();
        EXPECT_EQ(selected, "Tide1");
        EXPECT_EQ(rows.size(), 3u);

        const int controls[] = {IDC_TEMPLATE_NEW, IDC_TEMPLATE_EDIT, IDC_TEMPLATE_DELETE,
                                IDC_TEMPLATE_LIST, IDC_TEMPLATE_PREVIEW};
        std::vector<bool> tideEnabled, ctdEnabled;
        bool openEnabled = false;
        user.Then(Look([&](HWND dialog) {
                for (int id : controls)
                    tideEnabled.push_back(IsEnabled(dialog, id));
                openEnabled = IsEnabled(dialog, IDC_TEMPLATE_OPEN) && IsEnabled(dialog, IDOK);
            }))
            .Then([&](HWND) {
                user.AnswerNextFileChooser(data.c_str());
                return ModalAction::Acted;
            })
            .Click(IDC_TEMPLATE_OPEN)
            .Then(Look([&](HWND dialog) {
                for (int id : controls)
                    EXPECT_TRUE(IsEnabled(dialog, id)) << id;
            }))
            .Click(IDCANCEL);
        CTideDialogTemplate unnamed;
        unnamed.DoModal();
        EXPECT_EQ(tideEnabled, std::vector<bool>(5, false));
        EXPECT_TRUE(openEnabled);

        WriteCtdMeta();
        user.Then(Look([&](HWND dialog) {
                for (int id : controls)
                    ctdEnabled.push_back(IsEnabled(dialog, id));
            }))
            .Click(IDCANCEL);
        CCTDDialogTemplate ctd;
        ctd.DoModal();
        EXPECT_EQ(ctdEnabled, std::vector<bool>(5, true));
    });
}

TEST(CCTDDialogTemplate, ShowsTwentyRowsAndADashForAnInvalidValue) {
    RunInInstallation([] {
        WriteCtdMeta();
        SaveNumberTemplate("TERRAL_CTD", "Cast", 1.0, 2);
        const std::string data =
            WriteDataFile("cast.csv", "Depth,Temperature,Salinity\n" + ThreeNumberLines(50));
        CScriptedUser user;
        Rows rows;
        std::vector<std::string> titles;
        user.Then(Look([&](HWND dialog) {
                rows = PreviewRows(dialog, IDC_TEMPLATE_PREVIEW);
                titles = ColumnTitles(dialog, IDC_TEMPLATE_PREVIEW);
            }))
            .Click(IDOK);
        CCTDDialogTemplate dialog;
        dialog.m_strFileName = data.c_str();
        dialog.m_strTemplateName = "cast";
        ASSERT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(user.DialogsShown().front(), CString("Choose CTD Template..."));
        EXPECT_EQ(titles, (std::vector<std::string>{"Depth", "Temperature", "Salinity"}));
        ASSERT_EQ(rows.size(), 20u);
        EXPECT_EQ(rows[0], (std::vector<std::string>{"0.00", "10.00", "-"}));
        EXPECT_EQ(rows[19], (std::vector<std::string>{"19.00", "11.90", "-"}));
        EXPECT_EQ(dialog.m_strTemplateName, CString("Cast"));
        CString path;
        dialog.GetAbsoluteTemplatePath(path);
        EXPECT_EQ(path, CString(StoreFile("TERRAL_CTD", "Cast.aft").c_str()));
    });
}

TEST(CTideDialogTemplate, FailuresAreToldInTheSystemsWords) {
    RunInInstallation([] {
        WriteTideMeta();
        SaveNumberTemplate("TERRAL_TIDE", "Gauge");
        SaveNumberTemplate("TERRAL_TIDE", "Locked");
        WriteStoreFile("TERRAL_TIDE", "a.b.aft", "");
        chmod(StoreFile("TERRAL_TIDE", "Locked.aft").c_str(), 0444);
        // No editor anywhere on PATH.
        SetEnvironmentVariable("PATH", (TestInstallationFolder() + "/nothing").c_str());
        const std::string home = TestInstallationFolder();
        std::filesystem::create_directories(home + "/log");
        SetEnvironmentVariable("VORNHOME", home.c_str());
        const std::string data = WriteDataFile("tide.txt", TideLines(4));
        const std::string longData = WriteDataFile(
            std::string(140, 'x') + "/" + std::string(140, 'y') + ".txt", TideLines(4));

        // Edit and Delete without a selected template do nothing.
        CScriptedUser user;
        user.Click(IDC_TEMPLATE_EDIT)
            .Click(IDC_TEMPLATE_DELETE)
            .Click(IDC_TEMPLATE_NEW)
            .Choose(IDC_TEMPLATE_LIST, "Locked")
            .Click(IDC_TEMPLATE_DELETE)
            .Choose(IDC_TEMPLATE_LIST, "a")
            .Click(IDC_TEMPLATE_DELETE)
            .Click(IDCANCEL);
        for (int answer : {IDOK, IDOK, IDOK, IDOK})
            user.AnswerNextMessageBox(answer);
        CTideDialogTemplate dialog;
        dialog.m_strFileName = data.c_str();
        dialog.DoModal();

        const std::vector<MessageBoxRequest>& boxes = user.MessageBoxesShown();
        ASSERT_EQ(boxes.size(), 5u);
        EXPECT_EQ(boxes[0].text, CString(("An error occurred executing commandline:\n\n"
                                          "FormatWizard.exe /m TERRAL_TIDE /e  \"" +
                                          data + "\"")
                                             .c_str()));
        EXPECT_STREQ(boxes[1].text, "Delete template Locked?");
        EXPECT_EQ(boxes[2].text, CString(("Can't access file, probably read-only?\n\n" +
                                          StoreFile("TERRAL_TIDE", "Locked.aft"))
                                             .c_str()));
        EXPECT_TRUE(std::filesystem::exists(StoreFile("TERRAL_TIDE", "Locked.aft")));
        EXPECT_EQ(boxes[4].text,
                  CString(("File not found!\n\n" + StoreFile("TERRAL_TIDE", "a.aft")).c_str()));

        // A data path that makes the command line too long is refused before any start.
        user.Click(IDC_TEMPLATE_EDIT).Click(IDCANCEL);
        CTideDialogTemplate tooLong;
        tooLong.m_strFileName = longData.c_str();
        tooLong.m_strTemplateName = "Gauge";
        tooLong.DoModal();
        ASSERT_EQ(boxes.size(), 6u);
        EXPECT_STREQ(boxes[5].text,
                     "The file path is too long. Please choose a shorter file path.");
        EXPECT_EQ(boxes[5].type, static_cast<UINT>(MB_ICONERROR));

        // Where the words name no file, the error log does.
        const std::string errors = TempDir::read(home + "/log/error");
        EXPECT_NE(errors.find("Couldn't delete " + StoreFile("TERRAL_TIDE", "Locked.aft") +
                              " (system error 5)"),
                  std::string::npos)
            << errors;
        EXPECT_NE(errors.find("Template editor command too long: FormatWizard.exe /m TERRAL_TIDE "
                              "/e \"" +
                              longData.substr(0, 100)),
                  std::string::npos)
            << errors;
    });
}

TEST(CTideDialogTemplate, OkNeedsAnEntryAndAModuleWithoutMetaTemplateHasNoPreview) {
    RunInInstallation([] {
        const std::string data = WriteDataFile("tide.txt", TideLines(4));
        CScriptedUser user;
        bool stillOpen = false;
        user.AnswerNextMessageBox(IDOK);
        user.Click(IDOK)
            .Then(Look([&](HWND dialog) { stillOpen = IsWindow(dialog); }))
            .Click(IDCANCEL);
        CTideDialogTemplate empty;
        empty.m_strFileName = data.c_str();
        EXPECT_EQ(empty.DoModal(), IDCANCEL);
        EXPECT_TRUE(stillOpen);
        ASSERT_EQ(user.MessageBoxesShown().size(), 2u);
        EXPECT_EQ(user.MessageBoxesShown()[0].text,
                  CString((std::string("No templates found in ") + GetAsciiTemplateRoot() +
                           "!\n\nPlease check SW installation\nPress OK when done!")
                              .c_str()));
        EXPECT_EQ(user.MessageBoxesShown()[0].type & MB_TYPEMASK, static_cast<UINT>(MB_OKCANCEL));
        EXPECT_STREQ(user.MessageBoxesShown()[1].text, "No entries!");

        // Templates without their module's meta template: listed, but Cancel leaves the
        // preview without columns and rows.
        WriteTideMeta();
        SaveNumberTemplate("TERRAL_TIDE", "Gauge");
        std::filesystem::remove(StoreFile("TERRAL_TIDE", "_meta_.aft"));
        std::vector<std::string> listed, titles;
        Rows rows;
        user.AnswerNextMessageBox(IDCANCEL);
        user.Then(Look([&](HWND dialog) {
                listed = ListBoxEntries(dialog, IDC_TEMPLATE_LIST);
                titles = ColumnTitles(dialog, IDC_TEMPLATE_PREVIEW);
                rows = PreviewRows(dialog, IDC_TEMPLATE_PREVIEW);
            }))
            .Click(IDCANCEL);
        CTideDialogTemplate noMeta;
        noMeta.m_strFileName = data.c_str();
        noMeta.m_strTemplateName = "Gauge";
        noMeta.DoModal();
        EXPECT_EQ(listed, std::vector<std::string>{"Gauge"});
        EXPECT_TRUE(titles.empty());
        EXPECT_TRUE(rows.empty());
    });
}

TEST(CTideDialogTemplate, BadDataFilesAndTemplatesGiveAnEmptyPreviewOrKeepIt) {
    RunInInstallation([] {
        ScopedTimeZone zone("UTC0");
        WriteTideMeta();
        SaveNumberTemplate("TERRAL_TIDE", "Gauge");
        WriteStoreFile("TERRAL_TIDE", "Broken.aft", "[template]\nmetatemplatename=x\n");
        const std::string good = WriteDataFile("good.txt", TideLines(7));
        std::string binary(4096, '\0');
        for (size_t i = 0; i < binary.size(); ++i)
            binary[i] = static_cast<char>(i * 37);
        const std::string bad[] = {
            TestInstallationFolder() + "/missing.txt",
            WriteDataFile("empty.txt", ""),
            WriteDataFile("binary.dat", binary),
            WriteDataFile("one huge line.txt", std::string(4 << 20, '7')),
            TestInstallationFolder() + "/data files",
            WriteDataFile("quote\" and $HOME.txt", "x\n"),
        };
        for (const std::string& file : bad) {
            CScriptedUser user;
            Rows rows{{"unchanged"}};
            std::string status;
            user.Then(Look([&](HWND dialog) {
                    rows = PreviewRows(dialog, IDC_TEMPLATE_PREVIEW);
                    status = TextOf(dialog, IDC_TEMPLATE_STATUS);
                }))
                .Click(IDCANCEL);
            CTideDialogTemplate dialog;
            dialog.m_strFileName = file.c_str();
            dialog.m_strTemplateName = "Gauge";
            dialog.DoModal();
            EXPECT_TRUE(rows.empty()) << file;
            EXPECT_EQ(status, kNoValidRecords) << file;
        }

        // An invalid template leaves the preview of the last valid one as it was. A file
        // rewritten while it is previewed is read afresh when opened again: longer, then
        // emptied.
        CScriptedUser user;
        Rows rows, longer, emptied;
        std::string status, emptiedStatus;
        const auto reopen = [&user, &good](const std::string& content) {
            return [&user, &good, content](HWND) {
                std::ofstream(good, std::ios::binary | std::ios::trunc) << content;
                user.AnswerNextFileChooser(good.c_str());
                return ModalAction::Acted;
            };
        };
        user.Choose(IDC_TEMPLATE_LIST, "Broken")
            .Then(Look([&](HWND dialog) {
                rows = PreviewRows(dialog, IDC_TEMPLATE_PREVIEW);
                status = TextOf(dialog, IDC_TEMPLATE_STATUS);
            }))
            .Choose(IDC_TEMPLATE_LIST, "Gauge")
            .Then(reopen(TideLines(12)))
            .Click(IDC_TEMPLATE_OPEN)
            .Then(Look([&](HWND dialog) { longer = PreviewRows(dialog, IDC_TEMPLATE_PREVIEW); }))
            .Then(reopen(""))
            .Click(IDC_TEMPLATE_OPEN)
            .Then(Look([&](HWND dialog) {
                emptied = PreviewRows(dialog, IDC_TEMPLATE_PREVIEW);
                emptiedStatus = TextOf(dialog, IDC_TEMPLATE_STATUS);
            }))
            .Click(IDCANCEL);
        CTideDialogTemplate dialog;
        dialog.m_strFileName = good.c_str();
        dialog.m_strTemplateName = "Gauge";
        dialog.DoModal();
        EXPECT_EQ(rows.size(), 7u);
        EXPECT_EQ(status, "OK");
        EXPECT_EQ(longer.size(), 12u);
        EXPECT_TRUE(emptied.empty());
        EXPECT_EQ(emptiedStatus, kNoValidRecords);
    });
}

} // namespace
