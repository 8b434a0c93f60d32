// Qt's libraries are not built with ThreadSanitizer: the locks inside them
// (QMutex waits on futexes directly) are invisible to it, so the heap and
// memory calls Qt makes while it queues an event posted from another thread
// look like races. Calls made from inside the Qt libraries are ignored;
// our own code stays fully checked. Link this file into a test binary that
// uses Qt from more than one thread. Outside ThreadSanitizer it is unused.
extern "C" const char* __tsan_default_suppressions();
extern "C" const char* __tsan_default_suppressions()
{
    return "called_from_lib:libQt6Core.so.6\n"
           "called_from_lib:libQt6Gui.so.6\n"
           "called_from_lib:libQt6Widgets.so.6\n";
}
