// The floor of Morvast's benchmark: a process that does nothing, linked and started as Morvast
// is, so that what it costs is the start and end of a process alone.
int main() {
    return 0;
}
