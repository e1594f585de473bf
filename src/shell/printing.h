// Printing: the page format and settings kept between prints.
#pragma once

void Initialize_Printing();
void Close_Printing();
