// The recorder's default query asks the current GL context for the unpack state; the host build has no GL, so
// its stand-in answers GL's initial state. Tests and fuzz targets give the recorder a query of their own.

#include "qel_ogl/extensionator/GLUnpackStateQuery.h"

namespace QEL { namespace OGL {

UnpackState GLUnpackStateQuery::current() const
{
    return UnpackState();
}

}}
