// Program entry.
int WinMain(int argc, char** argv);

int main(int argc, char** argv) {
    return WinMain(argc, argv);
}
