#pragma once

namespace orva::cli {

// orva-cli prints only its own messages. The toolkit that draws the printed report has words of
// its own for the terminal (that XDG_RUNTIME_DIR is not set, say); a failure that matters comes
// back to the command as a result code, which it words itself.
void SilenceToolkitMessages();

}  // namespace orva::cli
