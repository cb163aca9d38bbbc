# Cross-compiling the engine to WebAssembly with Debian's clang 16, wasi-libc and libc++ for
# wasm32 (packages clang-16, lld-16, llvm-16, wasi-libc, libc++-16-dev-wasm32,
# libc++abi-16-dev-wasm32, libclang-rt-16-dev-wasm32).
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_CXX_COMPILER clang++-16)
# The host's ar cannot index WebAssembly objects.
set(CMAKE_AR llvm-ar-16)
set(CMAKE_RANLIB llvm-ranlib-16)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
set(CMAKE_SYSROOT /usr)
set(CMAKE_CXX_FLAGS_INIT "-fno-exceptions -isystem /usr/lib/llvm-16/include/wasm32-wasi/c++/v1")
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
# Linked by wasm-ld itself (the clang driver would run any wasm-opt it finds on the result, with
# features that binary does not expect), as a reactor: the page calls _initialize once, which
# runs the constructors, and then the exported functions.
set(CMAKE_CXX_LINK_EXECUTABLE
    "wasm-ld-16 <LINK_FLAGS> /usr/lib/wasm32-wasi/crt1-reactor.o <OBJECTS> -o <TARGET> <LINK_LIBRARIES> -L/usr/lib/llvm-16/lib/wasm32-wasi -L/usr/lib/wasm32-wasi -lc++ -lc++abi -lc /usr/lib/llvm-16/lib/clang/16/lib/wasi/libclang_rt.builtins-wasm32.a")
