// (empty)
