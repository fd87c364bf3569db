#pragma once

struct RenderRequest;

// Runs `--render`: one input and an output file name write that file (standard output, for `-`
// or a name of it, is written into); several inputs (or an output that is a folder) write one
// picture each into the output folder, created if missing, named after the input with the
// format's extension. An output that is one of the inputs, or a file name with an extension that
// is not a picture's, is refused. The format is --format, else the output file's extension, else
// PNG. Each failure goes to standard error with the file and the reason; the other inputs are still
// drawn. --shard draws a share of the inputs, --skip-existing leaves whole pictures as they are,
// --report writes a line for each input. Returns the exit status: 0 when every picture was
// written or skipped, 1 when any was not, 2 for an output that cannot be used.
int runRender(const RenderRequest& request);

// Lets the C library keep the memory a chart frees for the next one (runRender does it).
void keepFreedMemoryForTheNextChart();
