// rp70-sim: a simulated KT-RP70 radio on a pseudo-terminal.
int main() { return 0; }
