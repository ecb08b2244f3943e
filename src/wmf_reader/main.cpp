// montora-wmf-reader: reads one Windows metafile for the program, in a process of
// its own so that what libwmf prints stays out of the program's output.
#include "imaging/metafile_reader.h"

int main(int argc, char** argv) { return montora::MetafileReader::serve(argc, argv); }
