object A: T
  P = -$8000000000000000
end
