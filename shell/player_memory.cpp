// The player's allocation operators. The runtime's own throw std::bad_alloc, which would bring the whole
// exception machinery into a program that never catches: here a failed allocation ends the process at
// once, as an uncaught exception would. Only the document and its parts are allocated with new.
#include <cstdlib>
#include <new>

void* operator new(std::size_t size) {
    void* block = std::malloc(size ? size : 1);
    if (!block) std::abort();
    return block;
}

void* operator new[](std::size_t size) {
    return operator new(size);
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete[](void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}
