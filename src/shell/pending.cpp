// What the shell offers the rest of the program before its own code is written, in the least form that
// is safe. Each definition moves to its own file when that code is built.
