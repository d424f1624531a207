inherited DerivedModule: TTestDerivedModule
  inherited Shared: TTestWidget
    Caption = 'derived'
  end
  object Extra: TTestWidget
  end
end
