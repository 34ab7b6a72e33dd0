#include "gui/FileSelect.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "gui/BasicWidgets.h"
#include "gui/ComboBoxProc.h"
#include "gui/Dialog.h"
#include "gui/EditBoxProc.h"
#include "gui/FolderListing.h"
#include "gui/GuiDraw.h"
#include "gui/GuiFont.h"
#include "gui/ListBoxProc.h"
#include "gui/MessageBox.h"
#include "rl/Layer.h"

namespace {

constexpr int kTitleSize = 50;
constexpr int kNameSize = 100;
// The temporary font of a selector run before the GUI is up.
constexpr int kTemporaryFontSize = 16;

// Dialog entries the selector's code refers to.
enum Entry {
    kEscapeFirst = 1,
    kFileList = 5,
    kNameField = 8,
    kOk = 9,
    kCancel = 10,
    kTypeChooser = 12,
    kRootChooser = 14,
    kEscapeSecond = 15,
};

// The selector's state while it runs; the lists are emptied when it returns.
struct SelectorState {
    std::string folder;             // the folder shown, absolute, ending with "/"
    std::string filter;             // the caller's extension filter
    std::vector<std::string> roots;
    FolderListing listing;
    std::vector<std::string> types;
    std::string type;               // the type in force: the filter or "*.*"
    std::string selectedFile;
    bool refresh = false;
};

SelectorState g_selector;
char g_title[kTitleSize];
char g_name[kNameSize];
char g_fileNameLabel[] = "File Name:";
char g_typeLabel[] = "Files of type:";
char g_lookInLabel[] = "Look in:";
char g_okText[] = "Ok";
char g_cancelText[] = "Cancel";

void ReadCurrentFolder() { g_selector.listing = ReadFolder(g_selector.folder, g_selector.type); }

int FolderCount() { return static_cast<int>(g_selector.listing.folders.size()); }

const char* ListEntry(const std::vector<std::string>& list, int index, int* count)
{
    if (index < 0) {
        if (count)
            *count = static_cast<int>(list.size());
        return nullptr;
    }
    return index < static_cast<int>(list.size()) ? list[index].c_str() : nullptr;
}

// Folders first, then files.
const char* FileListGetter(int index, int* count)
{
    const FolderListing& listing = g_selector.listing;
    if (index < 0) {
        if (count)
            *count = static_cast<int>(listing.folders.size() + listing.files.size());
        return nullptr;
    }
    if (index < FolderCount())
        return listing.folders[index].c_str();
    return ListEntry(listing.files, index - FolderCount(), nullptr);
}

const char* RootGetter(int index, int* count) { return ListEntry(g_selector.roots, index, count); }
const char* TypeGetter(int index, int* count) { return ListEntry(g_selector.types, index, count); }

void SetName(const std::string& name)
{
    std::strncpy(g_name, name.c_str(), kNameSize - 1);
    g_name[kNameSize - 1] = '\0';
}

int TakeSelection(DIALOG* d, int message)
{
    const int index = d->d1;
    const int count = FolderCount() + static_cast<int>(g_selector.listing.files.size());
    if (index < 0 || index >= count)
        return D_O_K;
    if (index >= FolderCount()) {
        g_selector.selectedFile = g_selector.listing.files[index - FolderCount()];
        SetName(g_selector.selectedFile);
        g_selector.folder = FolderPart(g_selector.folder);
        if (message == MSG_DCLICK)
            return D_CLOSE;
        // The name field shows the file at once. A redraw asked of the dialog engine here would
        // end its wait for the second click of a double click, which confirms the file.
        broadcast_dialog_message(MSG_DRAW, 0);
        return D_O_K;
    }
    if (message != MSG_DCLICK)
        return D_O_K;
    const std::string& entry = g_selector.listing.folders[index];
    g_selector.folder = FolderPart(g_selector.folder);
    if (entry == "../")
        g_selector.folder = ParentFolder(g_selector.folder);
    else
        g_selector.folder += entry;
    g_selector.refresh = true;
    gui::WaitForMouseRelease();
    return D_REDRAW;
}

// The list of folders and files: read again before the first draw after a change of folder or
// type, and a click on an entry takes it (a file into the name field, a double click on a folder
// into it).
int FileListProc(int message, DIALOG* d, int c)
{
    if (message == MSG_DRAW && g_selector.refresh) {
        ReadCurrentFolder();
        d->d1 = d->d2 = 0;
        g_selector.refresh = false;
    }
    const int result = ListBoxProc(message, d, c);
    if (message != MSG_CLICK && message != MSG_DCLICK)
        return result;
    const bool onScrollBar = MeasureList(*d).scrollBar && gui::MouseX() > d->x + d->w - kScrollBarWidth;
    if (onScrollBar)
        return result;
    const int taken = TakeSelection(d, message);
    return taken != D_O_K ? taken : result;
}

// "Look in:": choosing a root shows that folder, also the root already shown (the selector may
// be deep inside it).
int RootChooserProc(int message, DIALOG* d, int c)
{
    const int before = d->d1;
    const bool wasOpen = d->flags & D_SELECTED;
    const int result = ComboBoxProc(message, d, c);
    const bool chosenFromList = message == MSG_CLICK && wasOpen && !(d->flags & D_SELECTED) &&
                                gui::MouseY() >= d->y + RowHeight();
    const bool changed = (message == MSG_CLICK || message == MSG_WHEEL) && d->d1 != before;
    if ((chosenFromList || changed) && d->d1 < static_cast<int>(g_selector.roots.size())) {
        g_selector.folder = g_selector.roots[d->d1];
        g_selector.refresh = true;
        return D_REDRAW;
    }
    return result;
}

// "Files of type:": the last entry is "*.*", the one before it the caller's filter.
int TypeChooserProc(int message, DIALOG* d, int c)
{
    const int before = d->d1;
    const int result = ComboBoxProc(message, d, c);
    const bool changed = (message == MSG_CLICK || message == MSG_WHEEL) && d->d1 != before;
    if (message != MSG_START && !changed)
        return result;
    const bool all = d->d1 >= static_cast<int>(g_selector.types.size()) - 1;
    g_selector.type = all ? "*.*" : g_selector.filter;
    g_selector.refresh = true;
    return D_REDRAW;
}

int IgnoreProc(int, DIALOG*, int) { return D_O_K; }
int Close() { return D_CLOSE; }

void* CloseFunction() { return reinterpret_cast<void*>(Close); }

DIALOG g_dialog[] = {
    // proc, x, y, w, h, fg, bg, key, flags, d1, d2, dp, dp2, dp3
    {IgnoreProc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {d_keyboard_proc, 0, 0, 0, 0, 0, 0, 0, 0, KEY_ESC, 0, CloseFunction(), nullptr, nullptr},
    {RoundBoxProc, 0, 0, 500, 400, kWhite, kBlack, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {RoundBoxProc, 0, 0, 500, 25, kWhite, kBlack, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {CentredLabelProc, 250, 2, 100, 20, kBlack, kNoColour, 0, 0, 0, 0, g_title, nullptr, nullptr},
    {FileListProc, 5, 80, 480, 200, kWhite, kBlack, 0, 0, 0, 0, GetterPointer(FileListGetter), nullptr, nullptr},
    {BoxProc, 200, 290, 280, 20, kWhite, kBlack, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {LabelProc, 5, 290, 100, 20, kBlack, kWhite, 0, 0, 0, 0, g_fileNameLabel, nullptr, nullptr},
    {EditBoxProc, 200, 290, 280, 20, kBlack, kWhite, 0, 0, kNameSize, 0, g_name, nullptr, nullptr},
    {ButtonProc, 90, 365, 150, 20, kWhite, kBlack, '\r', D_EXIT, 0, 0, g_okText, nullptr, nullptr},
    {ButtonProc, 260, 365, 150, 20, kWhite, kBlack, 0, D_EXIT, 0, 0, g_cancelText, nullptr, nullptr},
    {LabelProc, 5, 320, 100, 20, kBlack, kWhite, 0, 0, 0, 0, g_typeLabel, nullptr, nullptr},
    {TypeChooserProc, 200, 320, 280, 20, kWhite, kBlack, 0, 0, 0, 0, GetterPointer(TypeGetter), nullptr, nullptr},
    {LabelProc, 5, 55, 100, 20, kBlack, kWhite, 0, 0, 0, 0, g_lookInLabel, nullptr, nullptr},
    {RootChooserProc, 125, 55, 100, 20, kWhite, kBlack, 0, 0, 0, 0, GetterPointer(RootGetter), nullptr, nullptr},
    {d_keyboard_proc, 0, 0, 0, 0, 0, 0, 0, 0, KEY_ESC, 0, CloseFunction(), nullptr, nullptr},
    {RefreshProc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {d_yield_proc, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
    {nullptr, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr},
};

// The start folder made absolute (relative to the executable's folder) and tidied; a folder named
// without its final "/" gets one.
std::string StartFolder(const char* path)
{
    std::string folder = NormalisePath(rl::ToAbsolutePath(path));
    if (folder.back() != '/' && IsFolder(folder))
        folder += "/";
    return folder;
}

} // namespace

int FileSelect(const char* extension, const char* title, char* path, int size)
{
    if (!path || size <= 0)
        return 0;
    SelectorState& s = g_selector;
    s.filter = extension ? extension : "";
    s.selectedFile.clear();
    s.refresh = false;
    s.folder = StartFolder(path);
    s.roots = FileSystemRoots();
    if (s.type.empty())
        s.type = "*.*";
    ReadCurrentFolder();
    const int root = RootOf(s.folder, s.roots);
    if (root >= 0)
        g_dialog[kRootChooser].d1 = root;
    s.types = TypeList(s.filter);
    std::strncpy(g_title, title ? title : "", kTitleSize - 1);
    g_title[kTitleSize - 1] = '\0';
    g_name[0] = '\0';
    centre_dialog(g_dialog);

    std::unique_ptr<TemporaryGuiFont> font;
    if (!GuiReady())
        font = std::make_unique<TemporaryGuiFont>(kTemporaryFontSize, kTemporaryFontSize);
    const int closedBy = do_dialog(g_dialog, -1);
    // A double click closes the selector while its button is still down; let go first, or the
    // dialog beneath takes the rest of that click as its own.
    gui::WaitForMouseRelease();
    const bool confirmed =
        closedBy != kCancel && closedBy != kEscapeFirst && closedBy != kEscapeSecond && closedBy != -1;

    const std::string chosen = ChosenPath(s.folder, g_name);
    const bool fits = chosen.size() < static_cast<size_t>(size);
    std::strncpy(path, chosen.c_str(), size - 1);
    path[size - 1] = '\0';

    s.listing = FolderListing();
    s.roots.clear();
    s.types.clear();
    if (confirmed && !fits) {
        // A cut name could be another file: refused, not shortened.
        const std::string limit = "at most " + std::to_string(size - 1) + " characters.";
        MessageBox("The file name is too long:", limit.c_str(), "", "Ok");
        font.reset();
        return 0;
    }
    font.reset();
    return confirmed ? 1 : 0;
}

std::string ChosenPath(const std::string& folder, const std::string& name)
{
    // A full path typed into the name field stands on its own; anything else lies in the folder.
    if (!name.empty() && name[0] == '/')
        return NormalisePath(name);
    if (name.find('/') != std::string::npos)
        return NormalisePath(folder + name);
    return folder + name;
}
