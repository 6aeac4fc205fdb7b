// The precompiled GoogleTest headers are made when this file is compiled; it holds nothing of its own.
