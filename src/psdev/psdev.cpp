// Filled in as the library is built; the target exists so the link graph stands.
