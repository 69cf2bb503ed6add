#pragma once

#include <optional>

#include <gtest/gtest.h>

#include "qel_core/InternalException.h"
#include "qel_ogl/LibraryOGL.h"
#include "qel_ogl/ogl/ContextWrapped.h"

// Base (a fixture that makes a current context with raw WGL) plus the library's view of that context: a
// ContextWrapped around it. Whatever the test left on is turned off again before the context goes, so that
// every test starts with the library off.
template <class Base>
class LibraryFixture : public Base
{
protected:
    void SetUp() override
    {
        Base::SetUp();
        if (!this->HasFatalFailure())
            wrapped_.emplace(this->deviceContext(), this->context());
    }

    void TearDown() override
    {
        if (QEL::OGL::Library::isExtensionatorInitialized())
            QEL::OGL::Library::terminateExtensionator();
        wrapped_.reset();
        Base::TearDown();
    }

    QEL::OGL::Context* wrapped()
    {
        return &*wrapped_;
    }

    void turnOn()
    {
        QEL::OGL::Library::initializeExtensionator(wrapped(), QEL::OGL::ExtensionManager::InitOptions());
    }

private:
    std::optional<QEL::OGL::ContextWrapped> wrapped_;
};

// Holds an entry of the table at null for the scope, as a process holds it that never loaded it (the table is
// never reset, so an earlier test may have loaded it), and puts the loaded value back at the end.
template <class Entry>
class UnloadedEntry
{
public:
    explicit UnloadedEntry(Entry& entry)
        : entry_(entry), loaded_(entry)
    {
        entry_ = nullptr;
    }

    ~UnloadedEntry()
    {
        entry_ = loaded_;
    }

    UnloadedEntry(const UnloadedEntry&) = delete;
    UnloadedEntry& operator=(const UnloadedEntry&) = delete;

private:
    Entry& entry_;
    Entry loaded_;
};

// The exception carries the library file's name, its line and exactly this text.
inline void expectInternal(const std::optional<QEL::InternalException>& e, const char* file, int line,
                           const char* text)
{
    ASSERT_TRUE(e.has_value());
    EXPECT_STREQ(file, e->file());
    EXPECT_EQ(line, e->line());
    EXPECT_STREQ(text, e->text());
}
