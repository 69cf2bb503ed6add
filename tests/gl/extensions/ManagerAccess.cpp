#include "ManagerAccess.h"

using QEL::OGL::Context;
using QEL::OGL::ExtensionManager;

namespace {

// An explicit instantiation may name a private member; the friend function that it defines hands the
// member's address out. (Once per program: explicit instantiation definitions must not be repeated.)
template <class Tag, typename Tag::Function Member>
struct Expose
{
    friend typename Tag::Function address(Tag)
    {
        return Member;
    }
};

struct CreateTag
{
    using Function = void (*)(Context*, const ExtensionManager::InitOptions&);
    friend Function address(CreateTag);
};

struct DestroyTag
{
    using Function = void (*)();
    friend Function address(DestroyTag);
};

template struct Expose<CreateTag, &ExtensionManager::Create>;
template struct Expose<DestroyTag, &ExtensionManager::Destroy>;

}

void createManager(Context* pContext, const ExtensionManager::InitOptions& options)
{
    address(CreateTag())(pContext, options);
}

void destroyManager()
{
    address(DestroyTag())();
}
