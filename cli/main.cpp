#include <cstdio>

int main() {
    std::puts("usage: tz_arko5-cli COMMAND ...");
    return 0;
}
