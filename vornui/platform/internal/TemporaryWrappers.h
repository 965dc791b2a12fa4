#pragma once

// Inside the framework's GDI classes: the temporary wrappers that FromHandle makes for
// handles nobody wraps belong to the thread and last until its loop is idle.

// Deletes the calling thread's temporary CGdiObject and CDC wrappers; the objects and
// DCs they stood for stay.
void ReleaseTemporaryWrappers();
void ReleaseTemporaryGdiObjects();
