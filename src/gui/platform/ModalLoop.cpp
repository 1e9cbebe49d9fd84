#include "ModalLoop.h"

ModalLoop::Scope::Scope(ModalLoop &loop)
    : _previous(_installed)
{
    _installed = &loop;
}

ModalLoop::Scope::~Scope()
{
    _installed = _previous;
}
