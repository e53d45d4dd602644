int WinMain(int, char**) { return 0; }
