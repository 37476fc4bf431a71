// Read by moc before every header it scans (see CMAKE_AUTOMOC_MOC_OPTIONS). moc's preprocessor
// cannot parse the standard library's C++20 headers (<concepts>, pulled in by <compare>) unless
// Qt's own headers have set the scene first; reading them up front lets a header order its
// includes as any other file does.
#include <QtCore/qobject.h>
