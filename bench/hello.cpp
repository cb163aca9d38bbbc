// A C++ hello-world: the floor for a whole process's start, work and exit.
#include <cstdio>

int main() {
    std::puts("hello, world");
    return 0;
}
