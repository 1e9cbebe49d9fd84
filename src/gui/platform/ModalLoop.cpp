#include "ModalLoop.h"

#include "EventModalLoop.h"

namespace {

ModalLoop *installed = nullptr;

} // namespace

ModalLoop &ModalLoop::current()
{
    static EventModalLoop eventLoop;
    return installed ? *installed : eventLoop;
}

ModalLoop::Scope::Scope(ModalLoop &loop)
    : _previous(installed)
{
    installed = &loop;
}

ModalLoop::Scope::~Scope()
{
    installed = _previous;
}
