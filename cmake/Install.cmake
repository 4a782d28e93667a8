# Installation into a prefix.
