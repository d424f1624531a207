object DM1: TDM1
  OldCreateOrder = False
  Left = 192
  Top = 114
  Height = 400
  Width = 520
  object ADOConnection1: TADOConnection
    LoginPrompt = False
    Mode = cmShareDenyNone
    Provider = 'Microsoft.Jet.OLEDB.4.0'
  end
  object ADOall: TADOQuery
    Connection = ADOConnection1
  end
  object ADO123: TADOQuery
    Connection = ADOConnection1
  end
  object ADOQuery1: TADOQuery
    Connection = ADOConnection1
    SQL.Strings = (
      'select * from 操作员')
  end
  object DataSource1: TDataSource
    DataSet = ADOQuery1
  end
  object ADOQuery2: TADOQuery
    Connection = ADOConnection1
  end
  object DataSource2: TDataSource
    DataSet = ADOQuery2
  end
  object ADOQuery3: TADOQuery
    Connection = ADOConnection1
  end
  object DataSource3: TDataSource
    DataSet = ADOQuery3
  end
  object ADOQuery4: TADOQuery
    Connection = ADOConnection1
  end
  object DataSource4: TDataSource
    DataSet = ADOQuery4
  end
  object ADOQuery5: TADOQuery
    Connection = ADOConnection1
  end
  object DataSource5: TDataSource
    DataSet = ADOQuery5
  end
  object ADOQuery6: TADOQuery
    Connection = ADOConnection1
  end
  object DataSource6: TDataSource
    DataSet = ADOQuery6
  end
  object ADOQuery7: TADOQuery
    Connection = ADOConnection1
  end
  object DataSource7: TDataSource
    DataSet = ADOQuery7
  end
  object ADOQuery8: TADOQuery
    Connection = ADOConnection1
  end
  object DataSource8: TDataSource
    DataSet = ADOQuery8
  end
  object ADOQuery9: TADOQuery
    Connection = ADOConnection1
  end
  object DataSource9: TDataSource
    DataSet = ADOQuery9
  end
  object ADOQuery10: TADOQuery
    Connection = ADOConnection1
  end
  object DataSource10: TDataSource
    DataSet = ADOQuery10
  end
  object ADOQuery11: TADOQuery
    Connection = ADOConnection1
    SQL.Strings = (
      'select *  from 流水记录')
  end
end
