object A: T
  S = 'Ã'''
end
