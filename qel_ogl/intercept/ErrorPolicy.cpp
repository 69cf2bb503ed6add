#include "qel_ogl/intercept/ErrorPolicy.h"

#include "qel_ogl/intercept/InterceptLog.h"
#include "qel_ogl/intercept/InterceptionSession.h"

using QEL::OGL::InterceptionSession;

extern "C" void qel_setErrorPolicy(QelErrorPolicy policy)
{
    InterceptionSession::setErrorPolicy(policy, true);
}

extern "C" QelErrorPolicy qel_errorPolicy(void)
{
    return InterceptionSession::errorPolicy();
}

extern "C" void qel_setReportCallback(QelReportCallback callback, void* context)
{
    QEL::OGL::InterceptLog::setCallback(callback, context);
}
