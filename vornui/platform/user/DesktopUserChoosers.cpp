// How the desktop's users answer the file and folder choosers.

#include "vornui/platform/CodePage.h"
#include "vornui/platform/DesktopUser.h"

#include <cstdio>

namespace {

void ReportCancelled(const char* kind, const CString& title) {
    std::fprintf(stderr, "vornui: %s \"%s\": no one chooses -> Cancel\n", kind,
                 Utf8From1252(title.view()).c_str());
}

} // namespace

std::vector<CString> IDesktopUser::AnswerFileChooser(const FileChooserRequest& request) {
    ReportCancelled("file chooser", request.title);
    return {};
}

CString IDesktopUser::AnswerFolderChooser(const FolderChooserRequest& request) {
    ReportCancelled("folder chooser", request.title);
    return {};
}

void CScriptedUser::AnswerNextFileChooser(std::vector<CString> paths) {
    m_fileAnswers.push_back(std::move(paths));
}

void CScriptedUser::AnswerNextFolderChooser(const char* folder) {
    m_folderAnswers.push_back(folder ? std::optional<CString>(folder) : std::nullopt);
}

void CScriptedUser::CancelNextFolderChooser() {
    m_folderAnswers.push_back(CString());
}

std::vector<CString> CScriptedUser::AnswerFileChooser(const FileChooserRequest& request) {
    m_fileChoosers.push_back(request);
    if (m_fileAnswers.empty())
        return {};
    std::vector<CString> answer = std::move(m_fileAnswers.front());
    m_fileAnswers.pop_front();
    return answer;
}

CString CScriptedUser::AnswerFolderChooser(const FolderChooserRequest& request) {
    m_folderChoosers.push_back(request);
    if (m_folderAnswers.empty())
        return {};
    const std::optional<CString> answer = m_folderAnswers.front();
    m_folderAnswers.pop_front();
    return answer.value_or(request.selection);
}
