#pragma once

class LibraryController;
class Prompter;
class QWidget;

// At start: unsaved library changes that an earlier run left behind (it crashed, was killed, or
// the power went) are offered back, one copy at a time, saying when the copy was written and
// which file it belongs to: Restore puts them into the library as unsaved changes, Discard
// removes the copy, Cancel leaves it for the next start. Once one is restored, the others wait
// for the next start. A copy that cannot be read is reported and set aside, never loaded in part.
void offerRecovery(LibraryController &library, Prompter &prompter, QWidget *window);
