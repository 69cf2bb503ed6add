#pragma once

#include <exception>

namespace QEL { namespace OGL {

// The steps of a destructor that may fail. Every step is taken even after an earlier one failed, so that one
// failure leaves nothing behind that a later step would have removed; the first failure is thrown at the end,
// unless another exception is propagating: throwing then would end the program, and the exception that
// started the unwinding is the one the caller needs to see.
class Teardown
{
public:
    template <class Step>
    void step(Step step)
    {
        try
        {
            step();
        }
        catch (...)
        {
            if (!failure_)
                failure_ = std::current_exception();
        }
    }

    void finish()
    {
        if (failure_ && std::uncaught_exceptions() == 0)
            std::rethrow_exception(failure_);
    }

private:
    std::exception_ptr failure_;
};

}}
