#include "qel_ogl/extensionator/UnpackStateQuery.h"

namespace QEL { namespace OGL {

UnpackStateQuery::~UnpackStateQuery() = default;

}}
