#pragma once

// Inside the message loop: a loop that holds the mouse captured waits for a person who
// may not be there. Before GetMessage would wait with the capture held by a window of the
// calling thread, the desktop's user gets its turn; a user with nothing to do lets go of
// the button, so that such a loop never waits forever.

void LetUserActWhileCaptured();
