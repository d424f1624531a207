object caozuorenyuan: Tcaozuorenyuan
  Left = 300
  Top = 0
  BorderIcons = [biSystemMenu, biMinimize]
  Caption = '操作人员设置'
  Width = 416
  Height = 448
  Font.Charset = 134
  Font.Color = clWindowText
  Font.Height = -13
  Font.Name = '宋体'
  FormStyle = fsMDIChild
  Position = poDefaultPosOnly
  Visible = True
  OnClose = FormClose
  OnCreate = FormCreate
  OnShow = FormShow
  object PageControl1: TPageControl
    Left = 0
    Top = 0
    Width = 408
    Height = 420
    ActivePage = TabSheet1
    Align = alClient
    TabOrder = 0
    OnChange = PageControl1Change
    object TabSheet1: TTabSheet
      Left = 4
      Top = 24
      Width = 400
      Height = 392
      Caption = '操作人员管理'
    object GroupBox1: TGroupBox
      Left = 8
      Top = 8
      Width = 384
      Height = 53
      Caption = '操作导航'
      TabOrder = 0
      object VxToolbar1: TVxToolbar
        Left = 2
        Top = 15
        Width = 380
        Height = 36
        Align = alClient
        Images = ImageList1
        ShowButtonCaptions = True
        ToolbarControls = (
          BtnNew
          VxSpacer1
          BtnDelete
          VxSpacer2
          BtnExit)
        object BtnNew: TVxToolButton
          Width = 90
          Height = 30
          Caption = '新增操作员'
          OnClick = BtnNewClick
        end
        object VxSpacer1: TVxSpacer
        end
        object BtnDelete: TVxToolButton
          Width = 90
          Height = 30
          Caption = '删除操作员'
          OnClick = BtnDeleteClick
        end
        object VxSpacer2: TVxSpacer
        end
        object BtnExit: TVxToolButton
          Width = 90
          Height = 30
          Caption = '退出'
          OnClick = BtnExitClick
        end
      end
    end
    object GroupBox2: TGroupBox
      Left = 8
      Top = 68
      Width = 384
      Height = 317
      Caption = '操作人员列表'
      TabOrder = 1
      object DBGridVyn1: TDBGridVyn
        Left = 2
        Top = 15
        Width = 380
        Height = 300
        Align = alClient
        DataSource = DM1.DataSource1
        Font.Charset = 134
        Font.Color = clWindowText
        Font.Height = -13
        Font.Name = '宋体'
        Options = [dgTitles, dgIndicator, dgColumnResize, dgColLines, dgRowLines, dgTabs, dgRowSelect, dgConfirmDelete, dgCancelOnExit]
        ParentFont = False
        ReadOnly = True
        TabOrder = 0
        AutoFitColWidths = True
        Columns = <
          item
            Alignment = taCenter
            FieldName = '操作员'
            Title.Alignment = taCenter
            Title.Caption = '操作员编号'
            Width = 120
          end
          item
            Alignment = taCenter
            FieldName = '姓名'
            Title.Alignment = taCenter
            Width = 100
          end
          item
            Alignment = taCenter
            FieldName = '密码'
            Title.Alignment = taCenter
            Width = 100
          end>
      end
    end
    end
    object TabSheet2: TTabSheet
      Left = 4
      Top = 24
      Width = 400
      Height = 392
      Caption = '权限管理'
      object Label1: TLabel
        Left = 8
        Top = 16
        Width = 143
        Height = 13
        Caption = '选择要浏览权限的用户名'
      end
      object ComboBox1: TComboBox
        Left = 160
        Top = 12
        Width = 150
        Height = 21
        TabOrder = 0
        OnChange = ComboBox1Change
      end
      object GroupBox3: TGroupBox
        Left = 8
        Top = 44
        Width = 384
        Height = 260
        Caption = '权限列表'
        TabOrder = 1
        object CheckBox1: TCheckBox
          Left = 16
          Top = 24
          Width = 175
          Height = 17
          Caption = '操作人员设置'
          TabOrder = 0
        end
        object CheckBox2: TCheckBox
          Left = 16
          Top = 52
          Width = 175
          Height = 17
          Caption = '店铺名称设置'
          TabOrder = 1
        end
        object CheckBox3: TCheckBox
          Left = 16
          Top = 80
          Width = 175
          Height = 17
          Caption = '数据库备份'
          TabOrder = 2
        end
        object CheckBox4: TCheckBox
          Left = 16
          Top = 108
          Width = 175
          Height = 17
          Caption = '数据库恢复'
          TabOrder = 3
        end
        object CheckBox5: TCheckBox
          Left = 16
          Top = 136
          Width = 175
          Height = 17
          Caption = '数据初始化'
          TabOrder = 4
        end
        object CheckBox6: TCheckBox
          Left = 16
          Top = 164
          Width = 175
          Height = 17
          Caption = '售后接待'
          TabOrder = 5
        end
        object CheckBox7: TCheckBox
          Left = 16
          Top = 192
          Width = 175
          Height = 17
          Caption = '手机返厂'
          TabOrder = 6
        end
        object CheckBox8: TCheckBox
          Left = 196
          Top = 24
          Width = 175
          Height = 17
          Caption = '手机由厂家返回'
          TabOrder = 7
        end
        object CheckBox9: TCheckBox
          Left = 196
          Top = 52
          Width = 175
          Height = 17
          Caption = '手机交付给顾客'
          TabOrder = 8
        end
        object CheckBox10: TCheckBox
          Left = 196
          Top = 80
          Width = 175
          Height = 17
          Caption = '报表查询'
          TabOrder = 9
        end
        object CheckBox11: TCheckBox
          Left = 196
          Top = 108
          Width = 175
          Height = 17
          Caption = '备用手机档案管理'
          TabOrder = 10
        end
        object CheckBox12: TCheckBox
          Left = 196
          Top = 136
          Width = 175
          Height = 17
          Caption = '备用手机领用'
          TabOrder = 11
        end
        object CheckBox13: TCheckBox
          Left = 196
          Top = 164
          Width = 175
          Height = 17
          Caption = '备用手机使用情况（返还）'
          TabOrder = 12
        end
        object CheckBox14: TCheckBox
          Left = 196
          Top = 192
          Width = 175
          Height = 17
          Caption = '提醒'
          TabOrder = 13
        end
        object Button1: TButton
          Left = 16
          Top = 224
          Width = 75
          Height = 25
          Caption = '全选'
          TabOrder = 14
          OnClick = Button1Click
        end
      end
      object BitBtn2: TBitBtn
        Left = 200
        Top = 316
        Width = 90
        Height = 30
        Caption = '确认修改'
        TabOrder = 2
        OnClick = BitBtn2Click
      end
      object BitBtn1: TBitBtn
        Left = 300
        Top = 316
        Width = 90
        Height = 30
        Caption = '退出'
        TabOrder = 3
        OnClick = BitBtn1Click
      end
    end
  end
  object ImageList1: TImageList
  end
end
