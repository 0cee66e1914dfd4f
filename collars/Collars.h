// The collars the program can draft, registered with the piece factory.
#pragma once

void RegisterCollars();
