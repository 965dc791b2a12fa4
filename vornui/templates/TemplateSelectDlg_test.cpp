// The sound-velocity template dialog, worked by the scripted user on a template store in a
// temporary installation, with a stand-in for the template editor.

#include "vornui/platform/ButtonControl.h"
#include "vornui/resources/TemplateDialogIds.h"
#include "vornui/templates/TemplateDialogs_test.h"
#include "vornui/templates/TemplateSelectDlg.h"

namespace {

constexpr char kEmptyList[] = "[Empty, click new template]";

TEST(CTemplateSelectDlg, PreviewsThirtyRowsAndNamesTheChoice) {
    RunInInstallation([] {
        WriteSvpMeta();
        SaveNumberTemplate("Terral_SVP", "Probe");
        SaveNumberTemplate("Terral_SVP", "Broken");
        WriteStoreFile("Terral_SVP", "Broken.aft", "[template]\n");
        const std::string data = WriteDataFile("profile.txt", ThreeNumberLines(50));

        CScriptedUser user;
        std::vector<std::string> listed, titles;
        Rows rows, afterBroken;
        user.Choose(IDC_SVP_TEMPLATE_LIST, "Probe")
            .Then(Look([&](HWND dialog) {
                listed = ListBoxEntries(dialog, IDC_SVP_TEMPLATE_LIST);
                titles = ColumnTitles(dialog, IDC_SVP_PREVIEW);
                rows = PreviewRows(dialog, IDC_SVP_PREVIEW);
            }))
            .Choose(IDC_SVP_TEMPLATE_LIST, "Broken")
            .Then(Look([&](HWND dialog) { afterBroken = PreviewRows(dialog, IDC_SVP_PREVIEW); }))
            .Choose(IDC_SVP_TEMPLATE_LIST, "Probe")
            .Click(IDOK);
        CTemplateSelectDlg dialog;
        dialog.m_strDataFile = data.c_str();
        EXPECT_EQ(dialog.GetTemplateName(), CString("-"));
        ASSERT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(user.DialogsShown().front(), CString("Select template"));
        EXPECT_EQ(listed, (std::vector<std::string>{"Broken", "Probe"}));
        EXPECT_EQ(titles, (std::vector<std::string>{"Depth (m)", "SoundVelocity"}));
        ASSERT_EQ(rows.size(), 30u);
        EXPECT_EQ(rows[29], (std::vector<std::string>{"29.00", "12.90"}));
        EXPECT_TRUE(afterBroken.empty()); // an invalid template previews nothing
        EXPECT_EQ(dialog.GetTemplateName(), CString("Probe"));

        // Closed without a choice: no name.
        user.Click(IDCANCEL);
        CTemplateSelectDlg unchosen;
        unchosen.m_strDataFile = data.c_str();
        unchosen.DoModal();
        EXPECT_EQ(unchosen.GetTemplateName(), CString("-"));
    });
}

TEST(CTemplateSelectDlg, AnEmptyModuleOffersNewWhichPreparesTheStoreAndStartsTheEditor) {
    RunInInstallation([] {
        InstallFormatWizard();
        const std::string arguments = TestInstallationFolder() + "/arguments";
        SetEnvironmentVariable("FORMATWIZARD_ARGS", arguments.c_str());
        SetEnvironmentVariable("FORMATWIZARD_NEW_NAME", "First probe");
        // Long enough that a dialog which waited for the editor would find its template.
        SetEnvironmentVariable("FORMATWIZARD_DELAY_MS", "1500");
        // The suite's home holds the meta template a new module folder starts with.
        const std::string home = TestInstallationFolder() + "/home";
        std::filesystem::create_directories(home + "/Data");
        std::ofstream(home + "/Data/_meta_.aft")
            << MetaTemplateText({{"Depth (m, down+)", 0}, {"soundvelocity (m/s)", 0}});
        SetEnvironmentVariable("VORNHOME", home.c_str());
        const std::string data = WriteDataFile("my profile.txt", ThreeNumberLines(3));

        CTemplateSelectDlg dialog;
        dialog.m_strDataFile = data.c_str();
        CScriptedUser user;
        std::vector<std::string> empty, updated, editArguments;
        Rows emptyPreview{{"unchanged"}};
        CString placeholderName;
        bool savedWhenNewReturned = true;
        bool editorSaved = false;
        user.Choose(IDC_SVP_TEMPLATE_LIST, kEmptyList)
            .Then(Look([&](HWND shown) {
                empty = ListBoxEntries(shown, IDC_SVP_TEMPLATE_LIST);
                emptyPreview = PreviewRows(shown, IDC_SVP_PREVIEW);
                placeholderName = dialog.GetTemplateName();
            }))
            .Click(IDC_SVP_EDIT) // the placeholder is no template: nothing starts
            .Click(IDC_SVP_NEW)
            .Then(Look([&](HWND) {
                savedWhenNewReturned =
                    std::filesystem::exists(StoreFile("Terral_SVP", "First probe.aft"));
                editorSaved = WaitForFile(StoreFile("Terral_SVP", "First probe.aft"));
                SetEnvironmentVariable("FORMATWIZARD_DELAY_MS", "0");
            }))
            .Click(IDC_SVP_UPDATE)
            .Then(Look([&](HWND dialog) {
                updated = ListBoxEntries(dialog, IDC_SVP_TEMPLATE_LIST);
                std::filesystem::remove(arguments);
            }))
            .Choose(IDC_SVP_TEMPLATE_LIST, "First probe")
            .Click(IDC_SVP_EDIT)
            .Then(Look([&](HWND) {
                if (WaitForFile(arguments) &&
                    WaitForFile(StoreFile("Terral_SVP", "First probe.aft")))
                    editArguments = EditorArguments(arguments, 1);
            }))
            .Click(IDCANCEL);
        dialog.DoModal();

        EXPECT_EQ(empty, std::vector<std::string>{kEmptyList});
        EXPECT_TRUE(emptyPreview.empty());
        EXPECT_EQ(placeholderName, CString("-"));
        EXPECT_FALSE(savedWhenNewReturned); // "New" does not wait for the editor
        EXPECT_TRUE(editorSaved);
        EXPECT_EQ(updated, std::vector<std::string>{"First probe"});
        EXPECT_EQ(TempDir::read(StoreFile("Terral_SVP", "_meta_.aft")),
                  TempDir::read(home + "/Data/_meta_.aft"));
        EXPECT_EQ(editArguments,
                  (std::vector<std::string>{"/m", "Terral_SVP", "/e", data, "/t", "First probe"}));
        EXPECT_EQ(dialog.GetTemplateName(), CString("First probe"));
        EXPECT_TRUE(user.MessageBoxesShown().empty());
    });
}

TEST(CTemplateSelectDlg, NewTellsWhyTheStoreCannotBePrepared) {
    RunInInstallation([] {
        const std::string data = WriteDataFile("profile.txt", ThreeNumberLines(3));
        SetEnvironmentVariable("VORNHOME", (TestInstallationFolder() + "/no home").c_str());
        CScriptedUser user;
        user.Click(IDC_SVP_NEW).Click(IDCANCEL);
        CTemplateSelectDlg dialog;
        dialog.m_strDataFile = data.c_str();
        dialog.DoModal();
        ASSERT_EQ(user.MessageBoxesShown().size(), 1u);
        EXPECT_STREQ(user.MessageBoxesShown()[0].text,
                     "Couldn't find/copy meta ascii template file!?");
    });
}

} // namespace
