#pragma once

// The demo's gallery: pictures of the library's windows, each drawn by a function of its
// own file and registered there, so that adding a picture touches nothing else.
//
//   int WriteMyDialog(const char* path) { ... return SaveWindowPicture(dialog, path); }
//   const GalleryPicture kMyDialog("my-dialog.png", "what it shows", WriteMyDialog);

#include <vector>

class CWnd;

class GalleryPicture {
public:
    using Writer = int (*)(const char* path);

    // Registers the picture; `fileName` is where `demo gallery` writes it.
    GalleryPicture(const char* fileName, const char* caption, Writer write);

    const char* fileName;
    const char* caption;
    Writer write; // 0 when the picture was written
};

// Every registered picture, sorted by file name.
std::vector<const GalleryPicture*> GalleryPictures();

// Writes the pictures named (all when none is), in the current folder; 0 when all were
// written.
int WriteGallery(int count, char** fileNames);

// Writes the window, as a person would see it on the screen, to a PNG file; 0 on success.
int SaveWindowPicture(CWnd& window, const char* path);
// Writes the window and a window that lies over it (an open menu, a tooltip) as the screen
// shows them together, on the desktop's colour; 0 on success.
int SaveWindowsPicture(CWnd& window, CWnd& over, const char* path);
