#include "vornui/resources/LibraryResources.h"
#include "vornui/resources/ResourceIds.h"

#include <iterator>

namespace {

constexpr StringResource kStrings[] = {
    {IDS_FILE_PATH_TOO_LONG, "The file path is too long. Please choose a shorter file path."},
    {IDS_YES, "Yes"},
    {IDS_YES_TO_ALL, "Yes to all"},
    {IDS_NO, "No"},
    {IDS_NO_TO_ALL, "No to all"},
    {IDS_BUTTON_MOVE, "&Move"},
    {IDS_BUTTON_REMOVE, "&Remove"},
    {IDS_BUTTON_SAVE_AS, "Save &As"},
    {IDS_BUTTON_SAVE, "&Save"},
    {IDS_BUTTON_REPORT, "&Report"},
    {IDS_BUTTON_PRINT, "&Print"},
    {IDS_READING, "Reading"},
    {IDS_PROCESSING, "Processing"},
};

} // namespace

void RegisterLibraryStrings(HMODULE library) {
    AddStringResources(library, kStrings, std::size(kStrings));
}
