#include "vornui/module/VornuiModule.h"
#include "vornui/platform/WinApp.h"
#include "vornui/resources/ResourceIds.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const StringResource kHostStrings[] = {{IDS_PROCESSING, "Host processing"}, {61000, "Host only"}};

// A host's resource library, in the chain for the test's duration.
class HostResources {
public:
    HostResources() : m_module(CreateResourceModule("hostres")) {
        AddStringResources(m_module, kHostStrings, 2);
        AfxInitExtensionModule(m_state, m_module);
        new CDynLinkLibrary(m_state); // owned by the chain
    }
    ~HostResources() {
        AfxTermExtensionModule(m_state);
        FreeResourceModule(m_module);
    }
    HMODULE module() const { return m_module; }

private:
    HMODULE m_module;
    AFX_EXTENSION_MODULE m_state;
};

} // namespace

TEST(VornuiModule, LibraryJoinsTheResourceChainWhenLoaded) {
    ASSERT_NE(GetVornuiModule(), nullptr);
    char path[MAX_PATH];
    ASSERT_GT(GetModuleFileName(GetVornuiModule(), path, sizeof path), 0u);
    EXPECT_NE(std::strstr(path, "libvornui.so"), nullptr);

    CString text;
    ASSERT_TRUE(text.LoadString(IDS_FILE_PATH_TOO_LONG)); // found through the chain
    EXPECT_EQ(text, "The file path is too long. Please choose a shorter file path.");
    EXPECT_FALSE(text.LoadString(59999));
    EXPECT_EQ(text, "The file path is too long. Please choose a shorter file path.");
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(IDS_READING), RT_STRING), GetVornuiModule());

    char small[8];
    EXPECT_EQ(LoadString(GetVornuiModule(), IDS_PROCESSING, small, sizeof small), 7);
    EXPECT_STREQ(small, "Process");
    EXPECT_EQ(LoadString(AfxGetInstanceHandle(), IDS_PROCESSING, small, sizeof small), 0);
}

TEST(VornuiModule, ScopeGuardPrefersTheLibrarysOwnResources) {
    HostResources host;
    AfxSetResourceHandle(host.module());
    CString text;
    ASSERT_TRUE(text.LoadString(IDS_PROCESSING));
    EXPECT_EQ(text, "Host processing"); // the current module comes first
    {
        KResourceScope scope;
        EXPECT_EQ(AfxGetResourceHandle(), GetVornuiModule());
        ASSERT_TRUE(text.LoadString(IDS_PROCESSING));
        EXPECT_EQ(text, "Processing");
        ASSERT_TRUE(text.LoadString(61000)); // the rest of the chain still answers
        EXPECT_EQ(text, "Host only");
    }
    EXPECT_EQ(AfxGetResourceHandle(), host.module());
    EXPECT_EQ(LoadVornuiString(IDS_PROCESSING), "Processing");
    EXPECT_EQ(AfxGetResourceHandle(), host.module());
    AfxSetResourceHandle(AfxGetInstanceHandle());
}

TEST(VornuiModule, EndingAnExtensionModuleTakesItOutOfTheChain) {
    {
        HostResources host;
        CString text;
        EXPECT_TRUE(text.LoadString(61000));
    }
    CString text;
    EXPECT_FALSE(text.LoadString(61000));

    CScriptedUser user;
    AfxMessageBox(IDS_FILE_PATH_TOO_LONG, MB_ICONERROR);
    ASSERT_EQ(user.MessageBoxesShown().size(), 1u);
    EXPECT_EQ(user.MessageBoxesShown()[0].text,
              "The file path is too long. Please choose a shorter file path.");
    EXPECT_EQ(user.MessageBoxesShown()[0].type, MB_ICONERROR);
}
