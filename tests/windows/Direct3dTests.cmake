# (to be written)
