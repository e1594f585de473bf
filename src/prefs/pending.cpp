// What the preferences' Parts not yet built provide to the rest of the program, in their least form. Each
// definition moves to its own file when its Part is built.
